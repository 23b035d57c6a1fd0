#include "window/control_look_procedures.h"

#include <windowsx.h>

#include <iterator>

#include "window/control_look_canvas.h"
#include "window/control_look_check_box.h"
#include "window/control_look_frames.h"
#include "window/control_look_group_box.h"
#include "window/control_look_push_button.h"
#include "window/control_look_takeover.h"
#include "window/gdi_handles.h"
#include "window/window_look.h"

namespace quorvane {

namespace {

RECT WindowArea(HWND control) noexcept {
  RECT area = {};
  GetWindowRect(control, &area);
  OffsetRect(&area, -area.left, -area.top);
  return area;
}

// Frames drawn over a control's own painting: edit boxes and drop-down lists.

int FrameWidthOf(LookKind kind) noexcept { return kind == LookKind::kComboList ? kListFrameWidth : kEditFrameWidth; }

void PaintFrameOf(HDC dc, const RECT& area, const TakenOverControl& look) noexcept {
  if (look.kind == LookKind::kComboList) {
    PaintListFrame(dc, area, CurrentLookScheme());
  } else {
    PaintEditFrame(dc, area, look.state, CurrentLookScheme());
  }
}

// Composes the frame rings off-screen and copies them over the window's outer pixels only.
void DrawFrameNow(HWND control, const TakenOverControl& look) noexcept {
  const RECT area = WindowArea(control);
  ScopedWindowDc dc(control);
  OffscreenCanvas canvas(dc.Dc(), area.right, area.bottom);
  if (!canvas.Valid()) {
    PaintFrameOf(dc.Dc(), area, look);
    return;
  }
  PaintFrameOf(canvas.Dc(), area, look);
  const int width = FrameWidthOf(look.kind);
  ScopedSavedDc saved(dc.Dc());
  ExcludeClipRect(dc.Dc(), width, width, area.right - width, area.bottom - width);
  canvas.ShowOn(dc.Dc(), 0, 0);
}

// Whole paints: buttons, and combo boxes and up-downs composed with their own drawing.

HBRUSH ParentButtonBrush(HWND control, HDC dc) noexcept {
  const HWND parent = GetParent(control);
  if (parent == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<HBRUSH>(
      SendMessageW(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
}

void PaintButtonKind(HDC dc, const RECT& area, const TakenOverControl& look, const ButtonCaption& caption) noexcept {
  const int scheme = CurrentLookScheme();
  switch (look.kind) {
    case LookKind::kCheckBox:
      PaintCheckBox(dc, area, look.state, scheme, caption, look.parent_brush, CheckMark::kSquare);
      break;
    case LookKind::kRadioButton:
      PaintCheckBox(dc, area, look.state, scheme, caption, look.parent_brush, CheckMark::kRound);
      break;
    case LookKind::kGroupBox: PaintGroupBox(dc, area, look.state, scheme, caption, look.parent_brush); break;
    default: PaintPushButton(dc, area, look.state, scheme, caption, look.parent_brush); break;
  }
}

void ShowButton(HWND button, HDC target, TakenOverControl& look) noexcept {
  RECT area = {};
  GetClientRect(button, &area);
  if (look.parent_brush == nullptr) {
    look.parent_brush = ParentButtonBrush(button, target);
  }
  wchar_t text[kCaptionByteLimit + 1] = {};
  GetWindowTextW(button, text, static_cast<int>(std::size(text)));
  const ButtonCaption caption = {text, static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE)),
                                 reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0))};
  OffscreenCanvas canvas(target, area.right, area.bottom);
  if (!canvas.Valid()) {
    PaintButtonKind(target, area, look, caption);
    return;
  }
  PaintButtonKind(canvas.Dc(), area, look, caption);
  ScopedSavedDc saved(target);
  if (look.kind == LookKind::kGroupBox) {
    const RECT inside = LayOutGroupBox(canvas.Dc(), area, caption).inside;
    ExcludeClipRect(target, inside.left, inside.top, inside.right, inside.bottom);
  }
  canvas.ShowOn(target, 0, 0);
}

// Child windows (a combo box's edit field) paint themselves; the copy leaves them alone.
void ExcludeChildren(HWND control, HDC dc) noexcept {
  for (HWND child = GetWindow(control, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child)) {
      RECT place = {};
      GetWindowRect(child, &place);
      MapWindowPoints(nullptr, control, reinterpret_cast<POINT*>(&place), 2);
      ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
    }
  }
}

void PaintOverOwnDrawing(HDC dc, const RECT& area, const TakenOverControl& look, HWND control) noexcept {
  const int scheme = CurrentLookScheme();
  if (look.kind == LookKind::kUpDown) {
    const bool side_by_side = (GetWindowLongPtrW(control, GWL_STYLE) & UDS_HORZ) != 0;
    PaintUpDownFrames(dc, area, look.state, scheme, side_by_side);
  } else {
    PaintEditFrame(dc, area, look.state, scheme);
  }
}

// The control draws itself into the picture, the look draws over it, and the picture goes
// to the screen in one copy.
LRESULT ShowComposedWithOwnDrawing(HWND control) noexcept {
  ScopedPaint paint(control);
  RECT area = {};
  GetClientRect(control, &area);
  OffscreenCanvas canvas(paint.Dc(), area.right, area.bottom);
  const HDC dc = canvas.Valid() ? canvas.Dc() : paint.Dc();
  DefSubclassProc(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  if (const TakenOverControl* look = FindTakenOver(control)) {
    PaintOverOwnDrawing(dc, area, *look, control);
  }
  if (canvas.Valid()) {
    ScopedSavedDc saved(paint.Dc());
    ExcludeChildren(control, paint.Dc());
    canvas.ShowOn(paint.Dc(), 0, 0);
  }
  return 0;
}

// Following the state.

void PaintButtonNow(HWND button, TakenOverControl& look) noexcept {
  ScopedClientDc dc(button);
  ShowButton(button, dc.Dc(), look);
  ValidateRect(button, nullptr);  // all of it is painted: a paint still pending would repeat it
}

// Repaints at once after a change; the control may have drawn itself in its own look meanwhile.
void Refresh(HWND control, TakenOverControl& look) noexcept {
  switch (look.kind) {
    case LookKind::kEditBox:
    case LookKind::kComboList: DrawFrameNow(control, look); break;
    case LookKind::kComboBox:
    case LookKind::kUpDown: RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); break;
    case LookKind::kPushButton:
    case LookKind::kCheckBox:
    case LookKind::kRadioButton:
    case LookKind::kGroupBox: PaintButtonNow(control, look); break;
  }
}

// The control handles the message first; then the look updates its state and repaints.
// The entry is looked up afterwards: the message may have switched the look off or on.
template <typename Update>
LRESULT RepaintAfter(HWND control, UINT message, WPARAM wparam, LPARAM lparam, Update update) noexcept {
  const LRESULT result = DefSubclassProc(control, message, wparam, lparam);
  if (TakenOverControl* look = FindTakenOver(control)) {
    update(look->state, control);
    Refresh(control, *look);
  }
  return result;
}

LRESULT OnFocusChange(HWND control, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  return RepaintAfter(control, message, wparam, lparam,
                      [message](ControlState& state, HWND) { state.focused = message == WM_SETFOCUS; });
}

LRESULT OnEnable(HWND control, WPARAM wparam, LPARAM lparam) noexcept {
  return RepaintAfter(control, WM_ENABLE, wparam, lparam,
                      [wparam](ControlState& state, HWND) { state.disabled = wparam == FALSE; });
}

LRESULT OnSetState(HWND button, WPARAM wparam, LPARAM lparam) noexcept {
  return RepaintAfter(button, BM_SETSTATE, wparam, lparam, [](ControlState& state, HWND control) {
    state.pressed = (SendMessageW(control, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  });
}

LRESULT OnSetCheck(HWND button, WPARAM wparam, LPARAM lparam) noexcept {
  return RepaintAfter(button, BM_SETCHECK, wparam, lparam, [](ControlState& state, HWND control) {
    const LRESULT check = SendMessageW(control, BM_GETCHECK, 0, 0);
    state.checked = check == BST_CHECKED;
    state.indeterminate = check == BST_INDETERMINATE;
  });
}

LRESULT OnSetStyle(HWND button, WPARAM wparam, LPARAM lparam) noexcept {
  return RepaintAfter(button, BM_SETSTYLE, wparam, lparam, [](ControlState& state, HWND control) {
    state.default_button = (GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  });
}

LRESULT OnSetReadOnly(HWND edit_box, WPARAM wparam, LPARAM lparam) noexcept {
  return RepaintAfter(edit_box, EM_SETREADONLY, wparam, lparam, [](ControlState& state, HWND control) {
    state.read_only = (GetWindowLongPtrW(control, GWL_STYLE) & ES_READONLY) != 0;
  });
}

// Caption changes and scrolling: nothing to note, everything to repaint.
LRESULT RepaintAfterDefault(HWND control, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  return RepaintAfter(control, message, wparam, lparam, [](ControlState&, HWND) {});
}

// Hot only while the pointer is inside and, when it came in, the left button was up; the
// look asks to hear when it leaves. Only a change is repainted: moves come in floods.
LRESULT OnMouseMove(HWND control, WPARAM wparam, LPARAM lparam) noexcept {
  const LRESULT result = DefSubclassProc(control, WM_MOUSEMOVE, wparam, lparam);
  TakenOverControl* look = FindTakenOver(control);
  if (look == nullptr) {
    return result;
  }
  RECT client = {};
  GetClientRect(control, &client);
  const POINT at = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  const bool inside = PtInRect(&client, at) != FALSE;
  const bool hot = inside && (look->state.hot || (wparam & MK_LBUTTON) == 0);
  if (hot == look->state.hot) {
    return result;
  }
  if (hot) {
    TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, control, 0};
    TrackMouseEvent(&leave);
  }
  look->state.hot = hot;
  Refresh(control, *look);
  return result;
}

LRESULT OnMouseLeave(HWND control, WPARAM wparam, LPARAM lparam) noexcept {
  const LRESULT result = DefSubclassProc(control, WM_MOUSELEAVE, wparam, lparam);
  TakenOverControl* look = FindTakenOver(control);
  if (look != nullptr && look->state.hot) {
    look->state.hot = false;
    Refresh(control, *look);
  }
  return result;
}

LRESULT OnNcDestroy(HWND control, WPARAM wparam, LPARAM lparam) noexcept {
  GiveUp(control);
  return DefSubclassProc(control, WM_NCDESTROY, wparam, lparam);
}

// Painting messages.

LRESULT OnButtonPaint(HWND button, WPARAM wparam, LPARAM lparam) noexcept {
  TakenOverControl* look = FindTakenOver(button);
  if (look == nullptr) {
    return DefSubclassProc(button, WM_PAINT, wparam, lparam);
  }
  ScopedPaint paint(button);
  ShowButton(button, paint.Dc(), *look);
  return 0;
}

LRESULT OnButtonPrintClient(HWND button, WPARAM wparam, LPARAM lparam) noexcept {
  TakenOverControl* look = FindTakenOver(button);
  if (look == nullptr) {
    return DefSubclassProc(button, WM_PRINTCLIENT, wparam, lparam);
  }
  ShowButton(button, reinterpret_cast<HDC>(wparam), *look);
  return 0;
}

// The paint covers every pixel it owns; the erase only fetches the parent's brush.
LRESULT OnButtonEraseBackground(HWND button, WPARAM wparam, LPARAM lparam) noexcept {
  TakenOverControl* look = FindTakenOver(button);
  if (look == nullptr) {
    return DefSubclassProc(button, WM_ERASEBKGND, wparam, lparam);
  }
  look->parent_brush = ParentButtonBrush(button, reinterpret_cast<HDC>(wparam));
  return TRUE;
}

LRESULT OnOverlayNcPaint(HWND control, WPARAM wparam, LPARAM lparam) noexcept {
  const LRESULT result = DefSubclassProc(control, WM_NCPAINT, wparam, lparam);
  const TakenOverControl* look = FindTakenOver(control);
  if (look != nullptr && (look->kind == LookKind::kEditBox || look->kind == LookKind::kComboList)) {
    DrawFrameNow(control, *look);
  }
  return result;
}

LRESULT OnOverlayPaint(HWND control, WPARAM wparam, LPARAM lparam) noexcept {
  const TakenOverControl* look = FindTakenOver(control);
  if (look != nullptr && (look->kind == LookKind::kComboBox || look->kind == LookKind::kUpDown)) {
    return ShowComposedWithOwnDrawing(control);
  }
  const LRESULT result = DefSubclassProc(control, WM_PAINT, wparam, lparam);
  look = FindTakenOver(control);
  if (look != nullptr && look->kind == LookKind::kEditBox) {
    DrawFrameNow(control, *look);
  }
  return result;
}

// Buttons of every kind: the look paints them whole.
LRESULT CALLBACK ButtonLookProcedure(HWND button, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                     DWORD_PTR) noexcept {
  switch (message) {
    case WM_PAINT: return OnButtonPaint(button, wparam, lparam);
    case WM_PRINTCLIENT: return OnButtonPrintClient(button, wparam, lparam);
    case WM_ERASEBKGND: return OnButtonEraseBackground(button, wparam, lparam);
    case WM_SETTEXT: return RepaintAfterDefault(button, message, wparam, lparam);
    case WM_SETFOCUS: return OnFocusChange(button, message, wparam, lparam);
    case WM_KILLFOCUS: return OnFocusChange(button, message, wparam, lparam);
    case WM_ENABLE: return OnEnable(button, wparam, lparam);
    case WM_MOUSEMOVE: return OnMouseMove(button, wparam, lparam);
    case WM_MOUSELEAVE: return OnMouseLeave(button, wparam, lparam);
    case BM_SETSTATE: return OnSetState(button, wparam, lparam);
    case BM_SETCHECK: return OnSetCheck(button, wparam, lparam);
    case BM_SETSTYLE: return OnSetStyle(button, wparam, lparam);
    case WM_NCDESTROY: return OnNcDestroy(button, wparam, lparam);
    default: return DefSubclassProc(button, message, wparam, lparam);
  }
}

// Edit boxes, combo boxes, their lists and up-downs: they paint themselves and the look
// draws its frames over that.
LRESULT CALLBACK OverlayLookProcedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                      DWORD_PTR) noexcept {
  switch (message) {
    case WM_NCPAINT: return OnOverlayNcPaint(control, wparam, lparam);
    case WM_PAINT: return OnOverlayPaint(control, wparam, lparam);
    case WM_HSCROLL: return RepaintAfterDefault(control, message, wparam, lparam);
    case WM_VSCROLL: return RepaintAfterDefault(control, message, wparam, lparam);
    case EM_SCROLL: return RepaintAfterDefault(control, message, wparam, lparam);
    case EM_LINESCROLL: return RepaintAfterDefault(control, message, wparam, lparam);
    case EM_SCROLLCARET: return RepaintAfterDefault(control, message, wparam, lparam);
    case EM_SETREADONLY: return OnSetReadOnly(control, wparam, lparam);
    case WM_SETFOCUS: return OnFocusChange(control, message, wparam, lparam);
    case WM_KILLFOCUS: return OnFocusChange(control, message, wparam, lparam);
    case WM_ENABLE: return OnEnable(control, wparam, lparam);
    case WM_MOUSEMOVE: return OnMouseMove(control, wparam, lparam);
    case WM_MOUSELEAVE: return OnMouseLeave(control, wparam, lparam);
    case WM_NCDESTROY: return OnNcDestroy(control, wparam, lparam);
    default: return DefSubclassProc(control, message, wparam, lparam);
  }
}

}  // namespace

SUBCLASSPROC LookProcedureFor(LookKind kind) noexcept {
  switch (kind) {
    case LookKind::kPushButton:
    case LookKind::kCheckBox:
    case LookKind::kRadioButton:
    case LookKind::kGroupBox: return ButtonLookProcedure;
    case LookKind::kEditBox:
    case LookKind::kComboBox:
    case LookKind::kComboList:
    case LookKind::kUpDown: break;
  }
  return OverlayLookProcedure;
}

}  // namespace quorvane
