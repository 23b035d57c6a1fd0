// The themed look's painting routines, rendered into memory bitmaps and read back pixel by
// pixel against the scheme colours.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>

#include "canvas.h"
#include "control_look_test_support.h"
#include "window/control_look_canvas.h"
#include "window/control_look_check_box.h"
#include "window/control_look_frames.h"
#include "window/control_look_gradient.h"
#include "window/control_look_group_box.h"
#include "window/control_look_push_button.h"
#include "window/control_look_schemes.h"
#include "window/gdi_handles.h"

namespace quorvane {
namespace {

using namespace testing_support;

constexpr int kWidth = 160;  // the size of the main window's convert button
constexpr int kHeight = 32;
constexpr COLORREF kParentColour = RGB(200, 0, 0);  // unlike anything the look draws itself

// A state with the given flags set.
ControlState StateWith(std::initializer_list<bool ControlState::*> flags) {
  ControlState state;
  for (bool ControlState::*flag : flags) {
    state.*flag = true;
  }
  return state;
}
ControlState Normal() { return {}; }
ControlState Disabled() { return StateWith({&ControlState::disabled}); }
ControlState Pressed() { return StateWith({&ControlState::pressed}); }
ControlState Hot() { return StateWith({&ControlState::hot}); }
ControlState Focused() { return StateWith({&ControlState::focused}); }
ControlState Default() { return StateWith({&ControlState::default_button}); }
ControlState Checked() { return StateWith({&ControlState::checked}); }
ControlState Indeterminate() { return StateWith({&ControlState::indeterminate}); }
ControlState ReadOnly() { return StateWith({&ControlState::read_only}); }
ControlState With(ControlState state, bool ControlState::*flag) {
  state.*flag = true;
  return state;
}

void RenderButton(Canvas& canvas, const ControlState& state, int scheme, const wchar_t* text = L"",
                  DWORD style = BS_CENTER | BS_VCENTER, HFONT font = nullptr) {
  ScopedBrush parent(CreateSolidBrush(kParentColour));
  const RECT area = {0, 0, canvas.Width(), canvas.Height()};
  PaintPushButton(canvas.Dc(), area, state, scheme, {text, style, font}, parent.Get());
}

// The bounding box of the pixels where two renderings differ: the ink of a caption, when
// one has it and the other not.
RECT DifferenceBounds(const Canvas& with, const Canvas& without) {
  RECT bounds = {with.Width(), with.Height(), -1, -1};
  for (int y = 0; y < with.Height(); ++y) {
    for (int x = 0; x < with.Width(); ++x) {
      if (with.At(x, y) != without.At(x, y)) {
        bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y), std::max<LONG>(bounds.right, x + 1),
                  std::max<LONG>(bounds.bottom, y + 1)};
      }
    }
  }
  return bounds;
}

TEST(FaceRowOf, TakesTheFirstRowThatApplies) {
  const struct {
    ControlState state;
    FaceRow row;
    const char* why;
  } cases[] = {
      {Normal(), FaceRow::kNormal, "nothing set"},
      {With(Pressed(), &ControlState::disabled), FaceRow::kDisabled, "disabled beats everything"},
      {With(Hot(), &ControlState::pressed), FaceRow::kPressed, "pressed while the mouse is over it"},
      {With(Checked(), &ControlState::hot), FaceRow::kHot, "hot beats checked"},
      {With(Focused(), &ControlState::checked), FaceRow::kChecked, "checked beats focused"},
      {With(Default(), &ControlState::indeterminate), FaceRow::kChecked, "indeterminate counts as checked"},
      {Focused(), FaceRow::kFocused, "focus"},
      {Default(), FaceRow::kFocused, "the default push button looks focused"},
      {ReadOnly(), FaceRow::kNormal, "read-only means nothing to a button"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FaceRowOf(c.state), c.row) << c.why;
  }
}

// Layers from the outside in: parent brush, face ring, border, then the face: a band two
// pixels deep (rows 3 and 4) around the inner gradient (rows 5 to 26 of 32).
TEST(PaintPushButton, EachStateRowHasItsSchemeOneColours) {
  const COLORREF face = Face();
  const COLORREF border = RGB(0, 60, 115);
  const struct {
    ControlState state;
    COLORREF band_top_left, band_top_right, band_bottom;
    COLORREF inner_top_left, inner_top_right, inner_bottom;
    const char* why;
  } cases[] = {
      {Normal(), RGB(255, 255, 255), RGB(255, 255, 255), RGB(226, 223, 214), RGB(252, 252, 251), RGB(252, 252, 251),
       RGB(236, 235, 230), "normal"},
      {Focused(), RGB(206, 231, 255), RGB(206, 231, 255), RGB(105, 130, 238), RGB(252, 252, 251), RGB(252, 252, 251),
       RGB(236, 235, 230), "focused: the blue band"},
      {Default(), RGB(206, 231, 255), RGB(206, 231, 255), RGB(105, 130, 238), RGB(252, 252, 251), RGB(252, 252, 251),
       RGB(236, 235, 230), "the default push button shares the focus row"},
      {Hot(), RGB(255, 240, 207), RGB(255, 240, 207), RGB(229, 151, 0), RGB(252, 252, 251), RGB(252, 252, 251),
       RGB(236, 235, 230), "hot: light yellow to orange"},
      {With(Focused(), &ControlState::hot), RGB(255, 240, 207), RGB(255, 240, 207), RGB(229, 151, 0),
       RGB(252, 252, 251), RGB(252, 252, 251), RGB(236, 235, 230), "hot beats focused"},
      {Pressed(), RGB(209, 204, 193), RGB(209, 204, 193), RGB(242, 241, 238), RGB(231, 227, 222), RGB(231, 231, 231),
       RGB(231, 227, 222), "pressed: the inner gradient runs between four corners"},
      {With(Hot(), &ControlState::pressed), RGB(209, 204, 193), RGB(209, 204, 193), RGB(242, 241, 238),
       RGB(231, 227, 222), RGB(231, 231, 231), RGB(231, 227, 222), "pressed beats hot"},
      {Checked(), RGB(214, 203, 189), RGB(214, 207, 198), RGB(247, 243, 239), RGB(231, 227, 222), RGB(231, 231, 231),
       RGB(231, 227, 222), "checked: both gradients between four corners"},
      {Indeterminate(), RGB(214, 203, 189), RGB(214, 207, 198), RGB(247, 243, 239), RGB(231, 227, 222),
       RGB(231, 231, 231), RGB(231, 227, 222), "indeterminate uses the checked row"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Canvas canvas(kWidth, kHeight);
    RenderButton(canvas, c.state, 1);
    EXPECT_PIXEL(canvas, 80, 0, kParentColour, "the parent's brush, outermost");
    EXPECT_PIXEL(canvas, 80, 1, face, "the ring of button face");
    EXPECT_PIXEL(canvas, 80, 2, border, "top border");
    EXPECT_PIXEL(canvas, 0, 16, kParentColour, "the parent's brush, left");
    EXPECT_PIXEL(canvas, 2, 16, border, "left border");
    EXPECT_PIXEL(canvas, 157, 16, border, "right border");
    EXPECT_PIXEL(canvas, 80, 29, border, "bottom border");
    EXPECT_PIXEL(canvas, 4, 3, c.band_top_left, "band, first row, left");
    EXPECT_PIXEL(canvas, 155, 3, c.band_top_right, "band, first row, right");
    EXPECT_PIXEL(canvas, 80, 28, c.band_bottom, "band, last row");
    // Halfway down, the band shows in two columns on either side, then the inner gradient.
    const CornerColours band = CornersOf({c.band_top_left, c.band_top_right, c.band_bottom});
    const CornerColours inner = CornersOf({c.inner_top_left, c.inner_top_right, c.inner_bottom});
    for (int x : {3, 4, 155, 156}) {
      EXPECT_PIXEL(canvas, x, 16, GradientColourAt(band, 154, 26, x - 3, 13), "band, halfway down");
    }
    EXPECT_PIXEL(canvas, 5, 16, GradientColourAt(inner, 150, 22, 0, 11), "inner gradient, left edge");
    EXPECT_PIXEL(canvas, 154, 16, GradientColourAt(inner, 150, 22, 149, 11), "inner gradient, right edge");
    EXPECT_PIXEL(canvas, 5, 5, c.inner_top_left, "inner gradient, top-left corner");
    EXPECT_PIXEL(canvas, 154, 5, c.inner_top_right, "inner gradient, top-right corner");
    EXPECT_PIXEL(canvas, 5, 26, c.inner_bottom, "inner gradient, bottom-left corner");
    EXPECT_PIXEL(canvas, 154, 26, c.inner_bottom, "inner gradient, bottom-right corner");
    EXPECT_PIXEL(canvas, 2, 2, face, "rounded corner: the border's corner pixel takes the face ring's colour");
    EXPECT_PIXEL(canvas, 3, 3, border, "rounded corner: the pixel inside it takes the border's");
    EXPECT_PIXEL(canvas, 157, 29, face, "rounded corner, bottom right");
    EXPECT_PIXEL(canvas, 156, 28, border, "rounded corner, bottom right, inside");
  }
}

TEST(PaintPushButton, ADisabledButtonIsPlainWithAGreyBorder) {
  for (const ControlState& state :
       {Disabled(), With(Disabled(), &ControlState::pressed), With(Disabled(), &ControlState::default_button)}) {
    Canvas canvas(kWidth, kHeight);
    RenderButton(canvas, state, 1);
    const COLORREF grey_border = Darkened(Face(), 32);
    EXPECT_PIXEL(canvas, 80, 2, grey_border, "border: button face darkened by 32");
    EXPECT_PIXEL(canvas, 2, 16, grey_border, "left border");
    const RECT face = {4, 3, 156, 29};  // inside the border, clear of the rounded corners
    EXPECT_EQ(canvas.Count(RGB(245, 244, 234), face), 152 * 26) << "the whole face is plain";
    EXPECT_PIXEL(canvas, 80, 0, kParentColour, "outer area");
  }
}

TEST(PaintPushButton, TheSchemeFixesTheBorderColour) {
  const struct {
    int scheme;
    COLORREF border;
    const char* why;
  } cases[] = {
      {1, RGB(0, 60, 115), "blue"},
      {2, RGB(55, 98, 6), "green"},
      {3, RGB(0, 60, 116), "silver: one blue step away from scheme 1"},
      {0, RGB(0, 60, 115), "an unknown number paints as scheme 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    for (const ControlState& state : {Normal(), Hot(), Pressed(), Focused()}) {
      Canvas canvas(kWidth, kHeight);
      RenderButton(canvas, state, c.scheme);
      EXPECT_PIXEL(canvas, 80, 2, c.border, "border");
      EXPECT_PIXEL(canvas, 3, 3, c.border, "rounded corner");
    }
    Canvas disabled(kWidth, kHeight);
    RenderButton(disabled, Disabled(), c.scheme);
    EXPECT_PIXEL(disabled, 80, 2, Darkened(Face(), 32), "disabled border, whatever the scheme");
  }
}

// Schemes 2 and 3 take their face colours from their own rows of the table.
TEST(PaintPushButton, SchemesTwoAndThreePaintTheirOwnFaces) {
  for (int scheme : {2, 3}) {
    SCOPED_TRACE(testing::Message() << "scheme " << scheme);
    const ColourScheme& colours = SchemeColours(scheme);
    const struct {
      ControlState state;
      const FaceColours& face;
    } cases[] = {{Normal(), colours.normal},
                 {Hot(), colours.hot},
                 {Pressed(), colours.pressed},
                 {Checked(), colours.checked},
                 {Focused(), colours.focused}};
    for (const auto& c : cases) {
      Canvas canvas(kWidth, kHeight);
      RenderButton(canvas, c.state, scheme);
      EXPECT_PIXEL(canvas, 4, 3, c.face.band.top_left, "band, first row");
      EXPECT_PIXEL(canvas, 80, 28, c.face.band.bottom, "band, last row");
      EXPECT_PIXEL(canvas, 154, 5, c.face.inner.top_right, "inner gradient, top-right");
      EXPECT_PIXEL(canvas, 5, 26, c.face.inner.bottom, "inner gradient, bottom");
    }
    EXPECT_NE(colours.normal.band.bottom, SchemeColours(1).normal.band.bottom) << "not scheme 1 again";
  }
}

// Focused and default share their colours; only the dotted rectangle tells them apart.
TEST(PaintPushButton, FocusAddsADottedRectangleInsideTheInnerGradient) {
  Canvas focused(kWidth, kHeight);
  RenderButton(focused, Focused(), 1);
  Canvas default_button(kWidth, kHeight);
  RenderButton(default_button, Default(), 1);
  const RECT ring = {6, 6, 154, 26};
  int differing = 0;
  int off_ring = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (focused.At(x, y) == default_button.At(x, y)) {
        continue;
      }
      ++differing;
      const bool on_ring = (x == ring.left || x == ring.right - 1 || y == ring.top || y == ring.bottom - 1) &&
                           x >= ring.left && x < ring.right && y >= ring.top && y < ring.bottom;
      off_ring += on_ring ? 0 : 1;
    }
  }
  const int perimeter = 2 * (ring.right - ring.left) + 2 * (ring.bottom - ring.top) - 4;
  EXPECT_EQ(off_ring, 0) << "only the rectangle differs";
  EXPECT_GT(differing, perimeter / 3) << "dotted: about every other pixel";
  EXPECT_LT(differing, perimeter * 2 / 3);
}

TEST(PaintPushButton, APressedCaptionMovesOnePixelRightAndDown) {
  const ScopedFont font = SharpFont();
  const struct {
    DWORD style;
    const char* why;
  } cases[] = {
      {BS_CENTER | BS_VCENTER | BS_MULTILINE, "the convert button's own styles"},
      {BS_LEFT | BS_TOP, "top left"},
      {BS_RIGHT | BS_BOTTOM, "bottom right"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    RECT ink[2] = {};
    for (bool pressed : {false, true}) {
      ControlState state;
      state.pressed = pressed;
      Canvas with(kWidth, kHeight);
      RenderButton(with, state, 1, L"Convert", c.style, font.Get());
      Canvas without(kWidth, kHeight);
      RenderButton(without, state, 1, L"", c.style, font.Get());
      ink[pressed ? 1 : 0] = DifferenceBounds(with, without);
    }
    ASSERT_LT(ink[0].left, ink[0].right) << "the caption was drawn";
    EXPECT_EQ(ink[1].left - ink[0].left, 1);
    EXPECT_EQ(ink[1].top - ink[0].top, 1);
    EXPECT_EQ(ink[1].right - ink[1].left, ink[0].right - ink[0].left) << "same text, same width";
    EXPECT_EQ(ink[1].bottom - ink[1].top, ink[0].bottom - ink[0].top);
  }
}

TEST(PaintPushButton, AlignmentStylesPlaceTheCaption) {
  const ScopedFont font = SharpFont();
  const struct {
    DWORD style;
    bool left_half;
    bool right_half;
    bool top_half;
    bool bottom_half;
    const char* why;
  } cases[] = {
      {BS_CENTER | BS_VCENTER, true, true, true, true, "centred across the middle"},
      {0, true, true, true, true, "no alignment: centred, as push buttons are"},
      {BS_LEFT | BS_VCENTER, true, false, true, true, "left"},
      {BS_RIGHT | BS_VCENTER, false, true, true, true, "right"},
      {BS_CENTER | BS_TOP, true, true, true, false, "top"},
      {BS_CENTER | BS_BOTTOM, true, true, false, true, "bottom"},
  };
  Canvas tall_blank(kWidth, 64);
  RenderButton(tall_blank, Normal(), 1, L"", 0, font.Get());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Canvas canvas(kWidth, 64);
    RenderButton(canvas, Normal(), 1, L"Ok", c.style, font.Get());
    const RECT ink = DifferenceBounds(canvas, tall_blank);
    ASSERT_LT(ink.left, ink.right);
    EXPECT_EQ(ink.left < kWidth / 2, c.left_half);
    EXPECT_EQ(ink.right > kWidth / 2, c.right_half);
    EXPECT_EQ(ink.top < 32, c.top_half);
    EXPECT_EQ(ink.bottom > 32, c.bottom_half);
  }
}

TEST(PaintPushButton, TheCaptionIsBlackOrGreyed) {
  const ScopedFont font = SharpFont();
  const struct {
    ControlState state;
    COLORREF text;
    const char* why;
  } cases[] = {
      {Normal(), RGB(0, 0, 0), "normal"},
      {Hot(), RGB(0, 0, 0), "hot"},
      {Pressed(), RGB(0, 0, 0), "pressed"},
      {Checked(), RGB(0, 0, 0), "checked"},
      {Disabled(), RGB(165, 162, 148), "disabled"},
      {Indeterminate(), RGB(165, 162, 148), "indeterminate, though enabled"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Canvas with(kWidth, kHeight);
    RenderButton(with, c.state, 1, L"WWW", BS_CENTER | BS_VCENTER, font.Get());
    Canvas without(kWidth, kHeight);
    RenderButton(without, c.state, 1, L"", BS_CENTER | BS_VCENTER, font.Get());
    int ink = 0;
    int other = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (with.At(x, y) != without.At(x, y)) {
          (with.At(x, y) == c.text ? ink : other) += 1;
        }
      }
    }
    EXPECT_GT(ink, 20) << "text pixels in the caption colour";
    EXPECT_EQ(other, 0) << "and in no other colour";
  }
}

TEST(CaptionLengthWithin, KeepsAtMost255BytesOfTheSystemCodePage) {
  const std::wstring dots(300, L'.');
  std::wstring straddling(254, L'a');
  straddling += L"\xD83D\xDE00";  // a surrogate pair across the 255th byte
  const struct {
    std::wstring text;
    std::size_t kept;
    const char* why;
  } cases[] = {
      {L"", 0, "nothing"},
      {dots.substr(0, 254), 254, "under the limit"},
      {dots.substr(0, 255), 255, "exactly the limit"},
      {dots.substr(0, 256), 255, "one over"},
      {dots, 255, "far over"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CaptionLengthWithin(c.text.c_str(), c.text.size(), 255), c.kept) << c.why;
  }
  const std::size_t kept = CaptionLengthWithin(straddling.c_str(), straddling.size(), 255);
  EXPECT_GE(kept, 254u);
  EXPECT_FALSE(IS_HIGH_SURROGATE(straddling[kept - 1])) << "a pair is kept whole or dropped whole";
}

TEST(CaptionLengthWithin, CountsDoubleByteCharactersTwiceUnderAChineseCodePage) {
  const std::wstring chinese(200, L'换');
  const std::size_t kept = CaptionLengthWithin(chinese.c_str(), chinese.size(), 255);
  if (GetACP() == 936) {
    EXPECT_EQ(kept, 127u) << "two bytes each: 127 fit, 128 would be 256 bytes";
  } else {
    EXPECT_EQ(kept, 200u) << "a single-byte code page writes each as one '?'";
  }
}

// Word-wrapped "a a a ...": what lies beyond the 255th byte never shows.
TEST(PaintPushButton, DrawsNoMoreThanTheFirst255Bytes) {
  std::wstring text;
  while (text.size() < 300) {
    text += L"a ";
  }
  const ScopedFont font = SharpFont();
  const auto render = [&](std::size_t length) {
    auto canvas = std::make_unique<Canvas>(400, 400);
    ScopedBrush parent(CreateSolidBrush(kParentColour));
    const std::wstring caption = text.substr(0, length);
    PaintPushButton(canvas->Dc(), {0, 0, 400, 400}, Normal(), 1,
                    {caption.c_str(), BS_MULTILINE | BS_LEFT | BS_TOP, font.Get()}, parent.Get());
    return canvas;
  };
  const auto whole = render(300);
  const auto limit = render(255);
  const auto shorter = render(253);  // one "a" fewer
  const RECT all = {0, 0, 400, 400};
  EXPECT_EQ(DifferenceBounds(*whole, *limit).right, -1) << "300 characters look like their first 255";
  EXPECT_NE(DifferenceBounds(*shorter, *limit).right, -1) << "the area is large enough to show the last ones";
  EXPECT_GT(whole->Count(RGB(0, 0, 0), all), 0);
}

TEST(PaintEditFrame, PaintsTwoRingsFromTheStateAndScheme) {
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  const COLORREF face = Face();
  const COLORREF grey = Darkened(face, 32);
  const struct {
    ControlState state;
    int scheme;
    COLORREF outer;
    COLORREF inner;
    const char* why;
  } cases[] = {
      {Normal(), 1, RGB(123, 158, 189), window, "normal"},
      {Focused(), 1, RGB(123, 158, 189), window, "focus changes nothing"},
      {Hot(), 1, RGB(123, 158, 189), window, "hover changes nothing"},
      {ReadOnly(), 1, RGB(123, 158, 189), face, "read-only: inner ring in button face"},
      {Disabled(), 1, grey, face, "disabled"},
      {With(Disabled(), &ControlState::read_only), 1, grey, face, "disabled and read-only"},
      {Normal(), 2, RGB(164, 185, 127), window, "scheme 2"},
      {Disabled(), 2, grey, face, "disabled ignores the scheme"},
      {Normal(), 3, RGB(198, 197, 215), window, "scheme 3"},
      {ReadOnly(), 3, RGB(198, 197, 215), face, "scheme 3, read-only"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Canvas canvas(80, 20);
    PaintEditFrame(canvas.Dc(), {0, 0, 80, 20}, c.state, c.scheme);
    for (const POINT& outer : {POINT{40, 0}, POINT{0, 10}, POINT{79, 10}, POINT{40, 19}, POINT{0, 0}, POINT{79, 19}}) {
      EXPECT_PIXEL(canvas, outer.x, outer.y, c.outer, "outer ring");
    }
    for (const POINT& inner : {POINT{40, 1}, POINT{1, 10}, POINT{78, 10}, POINT{40, 18}, POINT{1, 1}}) {
      EXPECT_PIXEL(canvas, inner.x, inner.y, c.inner, "inner ring");
    }
    EXPECT_EQ(canvas.Count(RGB(0, 0, 0), {2, 2, 78, 18}), 76 * 16) << "the text area is the box's own";
  }
}

TEST(PaintListFrame, OneRingInTheOuterRingColour) {
  for (int scheme : {1, 2, 3}) {
    Canvas canvas(30, 40);
    PaintListFrame(canvas.Dc(), {0, 0, 30, 40}, scheme);
    EXPECT_PIXEL(canvas, 15, 0, SchemeColours(scheme).edit_outer_ring, "top");
    EXPECT_PIXEL(canvas, 29, 20, SchemeColours(scheme).edit_outer_ring, "right");
    EXPECT_EQ(canvas.Count(RGB(0, 0, 0), {1, 1, 29, 39}), 28 * 38) << "inside untouched";
  }
}

TEST(PaintUpDownFrames, FramesEachHalf) {
  const struct {
    bool side_by_side;
    POINT first_edge;
    POINT second_edge;
    const char* why;
  } cases[] = {
      {false, {8, 19}, {8, 20}, "stacked: the halves meet in the middle row"},
      {true, {7, 10}, {8, 10}, "side by side: they meet in the middle column"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Canvas canvas(16, 40);
    PaintUpDownFrames(canvas.Dc(), {0, 0, 16, 40}, Normal(), 2, c.side_by_side);
    EXPECT_PIXEL(canvas, c.first_edge.x, c.first_edge.y, RGB(55, 98, 6), "edge of the first half");
    EXPECT_PIXEL(canvas, c.second_edge.x, c.second_edge.y, RGB(55, 98, 6), "edge of the second half");
    EXPECT_PIXEL(canvas, 0, 0, RGB(55, 98, 6), "outer corner");
  }
  Canvas disabled(16, 40);
  PaintUpDownFrames(disabled.Dc(), {0, 0, 16, 40}, Disabled(), 1, false);
  EXPECT_PIXEL(disabled, 0, 5, Darkened(Face(), 32), "disabled");
}

TEST(PaintCheckBox, DrawsTheBoxTheMarkAndTheCaption) {
  const ScopedFont font = SharpFont();
  const struct {
    ControlState state;
    CheckMark shape;
    bool marked;
    COLORREF border;
    const char* why;
  } cases[] = {
      {Normal(), CheckMark::kSquare, false, RGB(0, 60, 115), "unchecked: no mark"},
      {Checked(), CheckMark::kSquare, true, RGB(0, 60, 115), "checked: a tick"},
      {Indeterminate(), CheckMark::kSquare, true, RGB(0, 60, 115), "indeterminate: a grey block"},
      {Disabled(), CheckMark::kSquare, false, Darkened(Face(), 32), "disabled border"},
      {Checked(), CheckMark::kRound, true, RGB(0, 60, 115), "radio: a dot"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Canvas canvas(120, 20);
    Canvas unmarked(120, 20);
    ScopedBrush parent(CreateSolidBrush(kParentColour));
    const ButtonCaption caption = {L"Option", BS_AUTOCHECKBOX, font.Get()};
    PaintCheckBox(canvas.Dc(), {0, 0, 120, 20}, c.state, 1, caption, parent.Get(), c.shape);
    ControlState clear = c.state;
    clear.checked = clear.indeterminate = false;
    PaintCheckBox(unmarked.Dc(), {0, 0, 120, 20}, clear, 1, caption, parent.Get(), c.shape);
    const RECT box = CheckBoxSquare({0, 0, 120, 20}, BS_AUTOCHECKBOX);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 3) << "centred: (20 - 13) / 2";
    const int x = c.shape == CheckMark::kRound ? 6 : 0;
    EXPECT_PIXEL(canvas, x, 3 + (c.shape == CheckMark::kRound ? 0 : 6), c.border, "the box's border");
    EXPECT_EQ(DifferenceBounds(canvas, unmarked).right != -1, c.marked) << "the mark";
    EXPECT_PIXEL(canvas, 60, 0, kParentColour, "the parent's brush around");
    EXPECT_GT(canvas.Count(CaptionColour(c.state), {17, 0, 120, 20}), 10) << "the caption beside the box";
  }
}

TEST(PaintGroupBox, FramesBelowTheCaptionLineAndLeavesTheInsideAlone) {
  const ScopedFont font = SharpFont();
  Canvas canvas(100, 60);
  ScopedBrush parent(CreateSolidBrush(kParentColour));
  const ButtonCaption caption = {L"Group", BS_GROUPBOX, font.Get()};
  PaintGroupBox(canvas.Dc(), {0, 0, 100, 60}, Normal(), 3, caption, parent.Get());
  const GroupBoxLayout layout = LayOutGroupBox(canvas.Dc(), {0, 0, 100, 60}, caption);
  EXPECT_PIXEL(canvas, 0, 40, RGB(0, 60, 116), "left edge of the frame");
  EXPECT_PIXEL(canvas, 99, 40, RGB(0, 60, 116), "right edge");
  EXPECT_PIXEL(canvas, 90, static_cast<int>(layout.frame.top), RGB(0, 60, 116), "top edge, right of the caption");
  EXPECT_PIXEL(canvas, 50, 59, RGB(0, 60, 116), "bottom edge");
  EXPECT_PIXEL(canvas, 3, 0, kParentColour, "above the frame: the parent's brush");
  EXPECT_GT(canvas.Count(RGB(0, 0, 0), layout.caption), 10) << "the caption";
  const RECT inside = layout.inside;
  EXPECT_EQ(canvas.Count(RGB(0, 0, 0), inside), (inside.right - inside.left) * (inside.bottom - inside.top))
      << "the inside is left as it was";
}

TEST(GradientColourAt, InterpolatesBetweenTheFourCornersExactlyAtThem) {
  const CornerColours slanted = {RGB(0, 0, 0), RGB(200, 100, 0), RGB(100, 0, 50), RGB(40, 255, 250)};
  const CornerColours vertical = {RGB(0, 10, 255), RGB(0, 10, 255), RGB(255, 20, 0), RGB(255, 20, 0)};
  const struct {
    CornerColours corners;
    int width, height, x, y;
    COLORREF expected;
    const char* why;
  } cases[] = {
      {slanted, 9, 5, 0, 0, RGB(0, 0, 0), "top-left corner"},
      {slanted, 9, 5, 8, 0, RGB(200, 100, 0), "top-right corner"},
      {slanted, 9, 5, 0, 4, RGB(100, 0, 50), "bottom-left corner"},
      {slanted, 9, 5, 8, 4, RGB(40, 255, 250), "bottom-right corner"},
      {slanted, 9, 5, 4, 0, RGB(100, 50, 0), "halfway along the top"},
      {slanted, 9, 5, 4, 2, RGB(85, 89, 75), "the centre: the mean of the corners, rounded"},
      {vertical, 9, 3, 5, 1, RGB(128, 15, 128), "halfway down: halves round away from zero either way"},
      {vertical, 9, 1, 3, 0, RGB(0, 10, 255), "one row high: the top colour"},
      {slanted, 1, 5, 0, 4, RGB(100, 0, 50), "one column wide: the left edge"},
  };
  for (const auto& c : cases) {
    const COLORREF actual = GradientColourAt(c.corners, c.width, c.height, c.x, c.y);
    EXPECT_EQ(actual, c.expected) << c.why << ": " << ColourText(actual);
  }
}

TEST(FillGradient, FillsExactlyTheAreaWithTheColoursOfGradientColourAt) {
  const CornerColours corners = CornersOf({RGB(231, 227, 222), RGB(231, 231, 231), RGB(10, 20, 30)});
  Canvas canvas(40, 30);
  const RECT area = {5, 4, 35, 24};
  FillGradient(canvas.Dc(), area, corners);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
      const COLORREF expected = inside ? GradientColourAt(corners, 30, 20, x - 5, y - 4) : RGB(0, 0, 0);
      if (canvas.At(x, y) != expected) {
        ADD_FAILURE() << "(" << x << "," << y << "): " << ColourText(canvas.At(x, y)) << ", expected "
                      << ColourText(expected);
        return;
      }
    }
  }
}

// The window paints into its own off-screen canvas, where the gradients are written
// straight into the bitmap; the result must not differ from drawing through the DC.
TEST(FillGradient, WritesAnOffscreenCanvasDirectlyWithTheSameResult) {
  for (const ControlState& state : {Normal(), Pressed(), Checked(), Focused()}) {
    Canvas through_dc(kWidth, kHeight);
    RenderButton(through_dc, state, 1, L"Ok");
    OffscreenCanvas direct(nullptr, kWidth, kHeight);
    ASSERT_TRUE(direct.Valid());
    ScopedBrush parent(CreateSolidBrush(kParentColour));
    PaintPushButton(direct.Dc(), {0, 0, kWidth, kHeight}, state, 1, {L"Ok", BS_CENTER | BS_VCENTER, nullptr},
                    parent.Get());
    const DWORD* pixels = direct.Pixels();
    int differing = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        differing += ColourOfDibPixel(pixels[y * kWidth + x]) != through_dc.At(x, y) ? 1 : 0;
      }
    }
    EXPECT_EQ(differing, 0);
  }
}

TEST(FillGradient, KeepsToTheClipOfAnOffscreenCanvas) {
  OffscreenCanvas canvas(nullptr, 40, 30);
  ASSERT_TRUE(canvas.Valid());
  const RECT all = {0, 0, 40, 30};
  FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  IntersectClipRect(canvas.Dc(), 0, 0, 20, 30);
  FillGradient(canvas.Dc(), {5, 5, 35, 25}, CornersOf({RGB(255, 255, 255), RGB(255, 255, 255), RGB(200, 200, 200)}));
  const DWORD* pixels = canvas.Pixels();
  EXPECT_EQ(ColourOfDibPixel(pixels[10 * 40 + 10]), RGB(241, 241, 241)) << "inside: 255 - 55 * 5 / 19, rounded";
  EXPECT_EQ(ColourOfDibPixel(pixels[10 * 40 + 25]), RGB(0, 0, 0)) << "outside the clip: untouched";
}

}  // namespace
}  // namespace quorvane
