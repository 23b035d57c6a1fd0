#include "window/control_look_kinds.h"

#include <commctrl.h>

namespace quorvane {

namespace {

bool SameClass(const wchar_t* name, const wchar_t* expected) noexcept {
  return name != nullptr && CompareStringOrdinal(name, -1, expected, -1, TRUE) == CSTR_EQUAL;
}

bool IsDropDownCombo(DWORD style) noexcept {
  const DWORD type = style & (CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST);
  return type == CBS_DROPDOWN || type == CBS_DROPDOWNLIST;
}

std::optional<LookKind> ButtonKind(DWORD style) noexcept {
  const bool push_like = (style & BS_PUSHLIKE) != 0;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return LookKind::kPushButton;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return push_like ? LookKind::kPushButton : LookKind::kCheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return push_like ? LookKind::kPushButton : LookKind::kRadioButton;
    case BS_GROUPBOX: return LookKind::kGroupBox;
    default: return std::nullopt;  // owner-drawn, user and newer button types
  }
}

bool IsButtonKind(LookKind kind) noexcept {
  return kind == LookKind::kPushButton || kind == LookKind::kCheckBox || kind == LookKind::kRadioButton ||
         kind == LookKind::kGroupBox;
}

}  // namespace

std::optional<LookKind> CoveredKind(const WindowTraits& traits) noexcept {
  if (SameClass(traits.class_name, L"ComboLBox")) {
    const bool of_drop_down = SameClass(traits.parent_class, L"ComboBox") && IsDropDownCombo(traits.parent_style);
    return of_drop_down ? std::optional<LookKind>(LookKind::kComboList) : std::nullopt;
  }
  if ((traits.style & WS_CHILD) == 0) {
    return std::nullopt;
  }
  if (SameClass(traits.class_name, L"Button")) {
    return ButtonKind(traits.style);
  }
  if (SameClass(traits.class_name, L"Edit")) {
    const bool framed =
        (traits.style & WS_BORDER) != 0 || (traits.extended_style & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) != 0;
    return framed ? std::optional<LookKind>(LookKind::kEditBox) : std::nullopt;
  }
  if (SameClass(traits.class_name, L"ComboBox")) {
    return IsDropDownCombo(traits.style) ? std::optional<LookKind>(LookKind::kComboBox) : std::nullopt;
  }
  if (SameClass(traits.class_name, UPDOWN_CLASSW)) {
    return LookKind::kUpDown;
  }
  return std::nullopt;
}

ControlState StateFromStyles(LookKind kind, DWORD style) noexcept {
  ControlState state;
  state.disabled = (style & WS_DISABLED) != 0;
  state.default_button = kind == LookKind::kPushButton && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  state.read_only = kind == LookKind::kEditBox && (style & ES_READONLY) != 0;
  return state;
}

ControlState StateOfControl(HWND control, LookKind kind) noexcept {
  ControlState state = StateFromStyles(kind, static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE)));
  const HWND focus = GetFocus();
  state.focused = focus != nullptr && (focus == control || IsChild(control, focus));
  if (IsButtonKind(kind)) {
    const auto button_state = static_cast<UINT>(SendMessageW(control, BM_GETSTATE, 0, 0));
    state.pressed = (button_state & BST_PUSHED) != 0;
    state.checked = (button_state & BST_CHECKED) != 0;
    state.indeterminate = (button_state & BST_INDETERMINATE) != 0;
  }
  return state;
}

}  // namespace quorvane
