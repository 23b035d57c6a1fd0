// Which windows the themed look covers, and the state it notes when it takes one over.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>

#include "window/control_look_kinds.h"

namespace quorvane {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

TEST(CoveredKind, CoversTheStandardControlsAndNothingElse) {
  const std::optional<LookKind> none;
  const struct {
    WindowTraits traits;
    std::optional<LookKind> kind;
    const char* why;
  } cases[] = {
      {{L"Button", kChild | BS_PUSHBUTTON, 0, L"", 0}, LookKind::kPushButton, "push button"},
      {{L"BUTTON", kChild | BS_DEFPUSHBUTTON, 0, L"", 0}, LookKind::kPushButton, "default push button, any case"},
      {{L"Button", kChild | BS_AUTOCHECKBOX | BS_PUSHLIKE, 0, L"", 0},
       LookKind::kPushButton,
       "a push-like check box is drawn as a push button"},
      {{L"Button", kChild | BS_AUTORADIOBUTTON | BS_PUSHLIKE, 0, L"", 0},
       LookKind::kPushButton,
       "a push-like radio button too"},
      {{L"Button", kChild | BS_3STATE, 0, L"", 0}, LookKind::kCheckBox, "three-state check box"},
      {{L"Button", kChild | BS_AUTOCHECKBOX, 0, L"", 0}, LookKind::kCheckBox, "check box"},
      {{L"Button", kChild | BS_RADIOBUTTON, 0, L"", 0}, LookKind::kRadioButton, "radio button"},
      {{L"Button", kChild | BS_GROUPBOX, 0, L"", 0}, LookKind::kGroupBox, "group box"},
      {{L"Button", kChild | BS_OWNERDRAW, 0, L"", 0}, none, "owner-drawn: the owner paints it"},
      {{L"Button", kChild | BS_USERBUTTON, 0, L"", 0}, none, "user button"},
      {{L"Button", kChild | BS_SPLITBUTTON, 0, L"", 0}, none, "a newer kind of button"},
      {{L"Button", WS_POPUP | BS_PUSHBUTTON, 0, L"", 0}, none, "a top-level button"},
      {{L"Edit", kChild | WS_BORDER, 0, L"", 0}, LookKind::kEditBox, "bordered edit box"},
      {{L"Edit", kChild, WS_EX_CLIENTEDGE, L"", 0}, LookKind::kEditBox, "sunken edit box, as in the main window"},
      {{L"Edit", kChild, WS_EX_STATICEDGE, L"", 0}, LookKind::kEditBox, "static edge"},
      {{L"Edit", kChild, 0, L"ComboBox", kChild | CBS_DROPDOWN}, none, "a frameless edit box, e.g. a combo's"},
      {{L"ComboBox", kChild | CBS_DROPDOWN, 0, L"", 0}, LookKind::kComboBox, "drop-down combo box"},
      {{L"ComboBox", kChild | CBS_DROPDOWNLIST, 0, L"", 0}, LookKind::kComboBox, "drop-down list combo box"},
      {{L"ComboBox", kChild | CBS_SIMPLE, 0, L"", 0}, none, "simple combo box"},
      {{L"ComboLBox", kChild, WS_EX_TOOLWINDOW, L"ComboBox", kChild | CBS_DROPDOWNLIST},
       LookKind::kComboList,
       "the drop-down list, through its combo box"},
      {{L"ComboLBox", WS_POPUP, 0, L"ComboBox", kChild | CBS_DROPDOWN},
       LookKind::kComboList,
       "a list that is a pop-up window is still its combo's"},
      {{L"ComboLBox", kChild, 0, L"ComboBox", kChild | CBS_SIMPLE}, none, "the list of a simple combo box"},
      {{L"ComboLBox", kChild, 0, L"#32769", 0}, none, "a list whose combo box is unknown"},
      {{UPDOWN_CLASSW, kChild | UDS_ALIGNRIGHT, 0, L"", 0}, LookKind::kUpDown, "up-down control"},
      {{L"QuorvaneLabel", kChild, 0, L"QuorvaneMainWindow", 0}, none, "the program's labels paint themselves"},
      {{L"Static", kChild, 0, L"", 0}, none, "static text"},
      {{L"ListBox", kChild | WS_BORDER, 0, L"", 0}, none, "a list box of its own"},
      {{L"QuorvaneMainWindow", WS_OVERLAPPEDWINDOW, 0, L"", 0}, none, "the main window"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CoveredKind(c.traits), c.kind) << c.why;
  }
}

TEST(StateFromStyles, ReadsWhatTheCreationStylesSay) {
  const struct {
    LookKind kind;
    DWORD style;
    bool disabled;
    bool default_button;
    bool read_only;
    const char* why;
  } cases[] = {
      {LookKind::kPushButton, kChild | BS_PUSHBUTTON, false, false, false, "plain"},
      {LookKind::kPushButton, kChild | WS_DISABLED | BS_DEFPUSHBUTTON, true, true, false, "disabled default"},
      {LookKind::kEditBox, kChild | ES_READONLY, false, false, true, "read-only edit box"},
      {LookKind::kPushButton, kChild | BS_PUSHBUTTON | ES_READONLY, false, false, false,
       "ES_READONLY is BS_BOTTOM's bit: no meaning for a button"},
      {LookKind::kEditBox, kChild | BS_DEFPUSHBUTTON, false, false, false,
       "BS_DEFPUSHBUTTON's bit means something else to an edit box"},
      {LookKind::kCheckBox, kChild | BS_DEFPUSHBUTTON, false, false, false, "only push buttons are default"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    const ControlState state = StateFromStyles(c.kind, c.style);
    EXPECT_EQ(state.disabled, c.disabled);
    EXPECT_EQ(state.default_button, c.default_button);
    EXPECT_EQ(state.read_only, c.read_only);
    EXPECT_FALSE(state.focused || state.pressed || state.hot || state.checked || state.indeterminate)
        << "nothing a control gains only once it exists";
  }
}

}  // namespace
}  // namespace quorvane
