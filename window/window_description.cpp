#include "window/window_description.h"

#include <iterator>

#include "window/control_ids.h"
#include "window/convert_command.h"
#include "window/window_look.h"

namespace quorvane {

namespace {

using namespace controls;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kFormulaGreen = RGB(128, 224, 0);
constexpr COLORREF kNoteRed = RGB(255, 0, 0);

constexpr FontRecord kFormulaFont = {-19, FW_BOLD};
constexpr FontRecord kNoteFont = {-10, FW_BOLD};

constexpr LabelLook kPlainLabel = {kBlack, nullptr, false};
constexpr LabelLook kFormulaLabel = {kFormulaGreen, &kFormulaFont, false};
constexpr LabelLook kNoteLabel = {kNoteRed, &kNoteFont, true};
constexpr LabelLook kNotALabel = {};

constexpr EventBinding kWindowEvents[] = {{EventKind::kCreated, ApplyWindowLook}};
constexpr EventBinding kButtonEvents[] = {{EventKind::kClicked, ConvertBothEyes}};

constexpr KindSettings kLabelSettings = {kLabelClass, WS_CHILD | WS_CLIPSIBLINGS, 0};
constexpr KindSettings kEditBoxSettings = {L"EDIT", WS_CHILD | WS_CLIPSIBLINGS | ES_LEFT | ES_AUTOHSCROLL,
                                           WS_EX_CLIENTEDGE};
constexpr KindSettings kPushButtonSettings = {
    L"BUTTON", WS_CHILD | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0};

// List order: position 1 lies on top; the tab cycle runs from the last to the first.
constexpr ControlDescription kMainWindowControls[] = {
    {标签8, L"标签8", ControlKind::kLabel, 9, 69, 368, 24,
     L"注意：散光度数低于100度的可以忽略不填写。如换算完度数=382度，请佩戴375度隐形眼镜，度数以浅为主。", false,
     kNoteLabel, nullptr, 0},
    {标签7, L"标签7", ControlKind::kLabel, 215, 88, 144, 24, L"Fo=Fs/(1-dFs)", false, kFormulaLabel, nullptr, 0},
    {按钮1, L"按钮1", ControlKind::kPushButton, 208, 120, 160, 32, L"点  击  换  算 ", true, kNotALabel,
     kButtonEvents, std::size(kButtonEvents)},
    {右眼散光, L"右眼散光", ControlKind::kEditBox, 288, 42, 80, 20, L"", true, kNotALabel, nullptr, 0},
    {左眼散光, L"左眼散光", ControlKind::kEditBox, 288, 8, 80, 20, L"", true, kNotALabel, nullptr, 0},
    {标签6, L"标签6", ControlKind::kLabel, 208, 43, 80, 16, L"右眼散光度数：", false, kPlainLabel, nullptr, 0},
    {标签5, L"标签5", ControlKind::kLabel, 208, 11, 80, 16, L"左眼散光度数：", false, kPlainLabel, nullptr, 0},
    {隐形右眼, L"隐形右眼", ControlKind::kEditBox, 117, 129, 80, 20, L"", true, kNotALabel, nullptr, 0},
    {隐形左眼, L"隐形左眼", ControlKind::kEditBox, 117, 97, 80, 20, L"", true, kNotALabel, nullptr, 0},
    {标签3, L"标签3", ControlKind::kLabel, 8, 126, 112, 24, L"隐形眼镜右眼度数：", false, kPlainLabel, nullptr, 0},
    {标签4, L"标签4", ControlKind::kLabel, 8, 96, 112, 24, L"隐形眼镜左眼度数：", false, kPlainLabel, nullptr, 0},
    {框架右眼, L"框架右眼", ControlKind::kEditBox, 117, 43, 80, 20, L"", true, kNotALabel, nullptr, 0},
    {框架左眼, L"框架左眼", ControlKind::kEditBox, 117, 11, 80, 20, L"", true, kNotALabel, nullptr, 0},
    {标签2, L"标签2", ControlKind::kLabel, 8, 40, 112, 24, L"框架眼镜右眼度数：", false, kPlainLabel, nullptr, 0},
    {标签1, L"标签1", ControlKind::kLabel, 8, 10, 112, 24, L"框架眼镜左眼度数：", false, kPlainLabel, nullptr, 0},
};

// A fixed frame: caption, system menu, minimise button and a dialog frame; no maximise
// button and no sizing border.
constexpr WindowDescription kMainWindow = {
    kMainWindowId,
    L"Quorvane",
    kMainWindowClass,
    WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
    0,
    50,
    50,
    380,
    186,
    kWindowEvents,
    std::size(kWindowEvents),
    kMainWindowControls,
    std::size(kMainWindowControls),
};

}  // namespace

const KindSettings& SettingsOfKind(ControlKind kind) noexcept {
  switch (kind) {
    case ControlKind::kEditBox: return kEditBoxSettings;
    case ControlKind::kPushButton: return kPushButtonSettings;
    case ControlKind::kLabel: break;
  }
  return kLabelSettings;
}

const WindowDescription* FindWindowDescription(std::uint32_t window_id) noexcept {
  return window_id == kMainWindow.id ? &kMainWindow : nullptr;
}

EventRoutine BoundRoutine(const EventBinding* events, std::size_t count, EventKind event) noexcept {
  for (std::size_t i = 0; i < count; ++i) {
    if (events[i].event == event) {
      return events[i].routine;
    }
  }
  return nullptr;
}

}  // namespace quorvane
