#include "window/control_look_schemes.h"

#include <algorithm>

namespace quorvane {

namespace {

constexpr GradientColours Straight(COLORREF top, COLORREF bottom) { return {top, top, bottom}; }

constexpr GradientColours Slanted(COLORREF top_left, COLORREF top_right, COLORREF bottom) {
  return {top_left, top_right, bottom};
}

// Scheme 1 is blue; 2 is olive green and 3 silver, each built around its fixed edit-ring and
// border colours: cooler or greener variants of the same light-to-dark bands, with the warm
// hot band kept so the mouse-over reads the same in every scheme.
constexpr ColourScheme kSchemes[] = {
    {
        RGB(123, 158, 189),
        RGB(0, 60, 115),
        {Straight(RGB(209, 204, 193), RGB(242, 241, 238)),
         Slanted(RGB(231, 227, 222), RGB(231, 231, 231), RGB(231, 227, 222))},
        {Straight(RGB(255, 240, 207), RGB(229, 151, 0)), Straight(RGB(252, 252, 251), RGB(236, 235, 230))},
        {Slanted(RGB(214, 203, 189), RGB(214, 207, 198), RGB(247, 243, 239)),
         Slanted(RGB(231, 227, 222), RGB(231, 231, 231), RGB(231, 227, 222))},
        {Straight(RGB(206, 231, 255), RGB(105, 130, 238)), Straight(RGB(252, 252, 251), RGB(236, 235, 230))},
        {Straight(RGB(255, 255, 255), RGB(226, 223, 214)), Straight(RGB(252, 252, 251), RGB(236, 235, 230))},
    },
    {
        RGB(164, 185, 127),
        RGB(55, 98, 6),
        {Straight(RGB(196, 205, 170), RGB(241, 244, 232)),
         Slanted(RGB(226, 231, 212), RGB(230, 233, 222), RGB(226, 231, 212))},
        {Straight(RGB(255, 244, 196), RGB(224, 166, 36)), Straight(RGB(252, 253, 248), RGB(233, 237, 222))},
        {Slanted(RGB(206, 214, 182), RGB(210, 217, 192), RGB(244, 247, 236)),
         Slanted(RGB(226, 231, 212), RGB(230, 233, 222), RGB(226, 231, 212))},
        {Straight(RGB(218, 236, 178), RGB(128, 170, 70)), Straight(RGB(252, 253, 248), RGB(233, 237, 222))},
        {Straight(RGB(255, 255, 250), RGB(218, 226, 200)), Straight(RGB(252, 253, 248), RGB(233, 237, 222))},
    },
    {
        RGB(198, 197, 215),
        RGB(0, 60, 116),
        {Straight(RGB(200, 200, 212), RGB(244, 244, 248)),
         Slanted(RGB(228, 228, 234), RGB(232, 232, 236), RGB(228, 228, 234))},
        {Straight(RGB(255, 236, 196), RGB(232, 160, 24)), Straight(RGB(255, 255, 255), RGB(226, 226, 234))},
        {Slanted(RGB(208, 208, 220), RGB(212, 212, 222), RGB(246, 246, 250)),
         Slanted(RGB(228, 228, 234), RGB(232, 232, 236), RGB(228, 228, 234))},
        {Straight(RGB(214, 226, 246), RGB(120, 140, 200)), Straight(RGB(255, 255, 255), RGB(226, 226, 234))},
        {Straight(RGB(255, 255, 255), RGB(214, 214, 224)), Straight(RGB(255, 255, 255), RGB(226, 226, 234))},
    },
};

static_assert(sizeof kSchemes / sizeof kSchemes[0] == kLastScheme - kFirstScheme + 1, "one row per scheme number");

}  // namespace

const ColourScheme& SchemeColours(int scheme) noexcept {
  const bool known = scheme >= kFirstScheme && scheme <= kLastScheme;
  return kSchemes[known ? scheme - kFirstScheme : 0];
}

const FaceColours& FaceColoursOf(const ColourScheme& scheme, FaceRow row) noexcept {
  switch (row) {
    case FaceRow::kPressed: return scheme.pressed;
    case FaceRow::kHot: return scheme.hot;
    case FaceRow::kChecked: return scheme.checked;
    case FaceRow::kFocused: return scheme.focused;
    case FaceRow::kDisabled:
    case FaceRow::kNormal: break;
  }
  return scheme.normal;
}

COLORREF Darkened(COLORREF colour, int amount) noexcept {
  const auto lower = [amount](int channel) { return static_cast<BYTE>(std::max(channel - amount, 0)); };
  return RGB(lower(GetRValue(colour)), lower(GetGValue(colour)), lower(GetBValue(colour)));
}

COLORREF DisabledBorder() noexcept { return Darkened(GetSysColor(COLOR_BTNFACE), 32); }

}  // namespace quorvane
