#include "window/label.h"

#include <cstddef>

#include "window/gdi_handles.h"

namespace quorvane {

namespace {

// The window's extra bytes hold the label's font, as WM_SETFONT gives it.
constexpr int kFontSlot = 0;

const LabelLook* LookOf(HWND label) noexcept {
  return reinterpret_cast<const LabelLook*>(GetWindowLongPtrW(label, GWLP_USERDATA));
}

HFONT FontOf(HWND label) noexcept {
  const auto font = reinterpret_cast<HFONT>(GetWindowLongPtrW(label, kFontSlot));
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The label's text, read for one paint. Held on the process heap rather than in a std::wstring:
// the exe then carries no string or exception code of the C++ library.
class LabelText {
 public:
  explicit LabelText(HWND label) noexcept {
    const auto capacity = static_cast<std::size_t>(GetWindowTextLengthW(label)) + 1;
    text_ = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, capacity * sizeof(wchar_t)));
    if (text_ != nullptr) {
      const int copied = GetWindowTextW(label, text_, static_cast<int>(capacity));
      text_[copied > 0 ? static_cast<std::size_t>(copied) : 0] = L'\0';
    }
  }
  LabelText(const LabelText&) = delete;
  LabelText& operator=(const LabelText&) = delete;
  ~LabelText() {
    if (text_ != nullptr) {
      HeapFree(GetProcessHeap(), 0, text_);
    }
  }

  // Null when there was no memory for the text.
  const wchar_t* Text() const noexcept { return text_; }

 private:
  wchar_t* text_ = nullptr;
};

// The label's look comes with its creation and stays for its life.
LRESULT OnNcCreate(HWND label, WPARAM wparam, LPARAM lparam) noexcept {
  const auto& creation = *reinterpret_cast<const CREATESTRUCTW*>(lparam);
  SetWindowLongPtrW(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation.lpCreateParams));
  return DefWindowProcW(label, WM_NCCREATE, wparam, lparam);
}

LRESULT OnPaint(HWND label) noexcept {
  ScopedPaint paint(label);
  RECT area = {};
  GetClientRect(label, &area);
  const LabelLook* look = LookOf(label);
  const LabelLook plain = {GetSysColor(COLOR_WINDOWTEXT), nullptr, false};
  const LabelText text(label);
  // Without memory for the text the label still gets its face colour.
  PaintLabel(paint.Dc(), area, paint.Dirty(), text.Text() != nullptr ? text.Text() : L"",
             look != nullptr ? *look : plain, FontOf(label));
  return 0;
}

LRESULT OnSetFont(HWND label, HFONT font, bool redraw) noexcept {
  SetWindowLongPtrW(label, kFontSlot, reinterpret_cast<LONG_PTR>(font));
  if (redraw) {
    InvalidateRect(label, nullptr, FALSE);
  }
  return 0;
}

LRESULT OnSetText(HWND label, WPARAM wparam, LPARAM lparam) noexcept {
  const LRESULT result = DefWindowProcW(label, WM_SETTEXT, wparam, lparam);
  InvalidateRect(label, nullptr, FALSE);
  return result;
}

LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
  switch (message) {
    case WM_NCCREATE: return OnNcCreate(label, wparam, lparam);
    case WM_PAINT: return OnPaint(label);
    case WM_ERASEBKGND: return TRUE;  // the paint fills everything
    case WM_SETFONT: return OnSetFont(label, reinterpret_cast<HFONT>(wparam), LOWORD(lparam) != 0);
    case WM_GETFONT: return static_cast<LRESULT>(GetWindowLongPtrW(label, kFontSlot));
    case WM_SETTEXT: return OnSetText(label, wparam, lparam);
    default: return DefWindowProcW(label, message, wparam, lparam);
  }
}

}  // namespace

bool RegisterLabelClass(HINSTANCE instance) noexcept {
  WNDCLASSEXW existing = {};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kLabelClass, &existing)) {
    return true;
  }
  WNDCLASSEXW label_class = {};
  label_class.cbSize = sizeof label_class;
  label_class.lpfnWndProc = LabelProcedure;
  label_class.cbWndExtra = sizeof(LONG_PTR);
  label_class.hInstance = instance;
  label_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  label_class.lpszClassName = kLabelClass;
  return RegisterClassExW(&label_class) != 0;
}

void PaintLabel(HDC dc, const RECT& area, const RECT& clip, const wchar_t* text, const LabelLook& look,
                HFONT font) noexcept {
  ScopedSavedDc saved(dc);
  RECT limit = {};
  IntersectRect(&limit, &area, &clip);
  IntersectClipRect(dc, limit.left, limit.top, limit.right, limit.bottom);
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  if (text == nullptr || text[0] == L'\0') {
    return;
  }
  ScopedSelection selected_font(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look.text_colour);
  RECT layout = area;
  const UINT format = DT_LEFT | DT_NOCLIP | (look.wraps ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
  DrawTextW(dc, text, -1, &layout, format);
}

}  // namespace quorvane
