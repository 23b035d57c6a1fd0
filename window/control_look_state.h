// What the themed look knows of a control it has taken over: the kind of control, and the
// state its drawing depends on.
#pragma once

namespace quorvane {

enum class LookKind {
  kPushButton,  // push-like check boxes and radio buttons included
  kCheckBox,
  kRadioButton,
  kGroupBox,
  kEditBox,
  kComboBox,
  kComboList,  // the drop-down list of a combo box
  kUpDown,
};

struct ControlState {
  bool disabled = false;
  bool pressed = false;
  bool hot = false;  // the mouse is over it
  bool focused = false;
  bool default_button = false;
  bool checked = false;
  bool indeterminate = false;
  bool read_only = false;
};

// Which colours a button face takes: the first row that applies to its state.
enum class FaceRow { kDisabled, kPressed, kHot, kChecked, kFocused, kNormal };

constexpr FaceRow FaceRowOf(const ControlState& state) noexcept {
  if (state.disabled) {
    return FaceRow::kDisabled;
  }
  if (state.pressed) {
    return FaceRow::kPressed;
  }
  if (state.hot) {
    return FaceRow::kHot;
  }
  if (state.checked || state.indeterminate) {
    return FaceRow::kChecked;
  }
  if (state.focused || state.default_button) {
    return FaceRow::kFocused;
  }
  return FaceRow::kNormal;
}

}  // namespace quorvane
