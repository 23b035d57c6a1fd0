#include "window/edit_box.h"

#include <commctrl.h>

#include "window/gdi_handles.h"

namespace quorvane {

namespace {

constexpr UINT_PTR kPlacementSubclass = 1;

// The height of "W" in the box's font: one line of its text.
int LineHeight(HWND edit_box) noexcept {
  ScopedClientDc dc(edit_box);
  auto font = reinterpret_cast<HFONT>(SendMessageW(edit_box, WM_GETFONT, 0, 0));
  ScopedSelection selected(dc.Dc(), font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  SIZE extent = {};
  GetTextExtentPoint32W(dc.Dc(), L"W", 1, &extent);
  return extent.cy;
}

LRESULT OnNcCalcSize(HWND edit_box, WPARAM wparam, LPARAM lparam) noexcept {
  const LRESULT result = DefSubclassProc(edit_box, WM_NCCALCSIZE, wparam, lparam);
  RECT& area = *reinterpret_cast<RECT*>(lparam);  // the first rectangle in both forms
  area = CentredLine(area, LineHeight(edit_box));
  return result;
}

// The platform draws the sunken edge; the strips between it and the one-line text area
// take the background colour the parent gives the box.
LRESULT OnNcPaint(HWND edit_box, WPARAM wparam, LPARAM lparam) noexcept {
  const LRESULT result = DefSubclassProc(edit_box, WM_NCPAINT, wparam, lparam);
  RECT window = {};
  GetWindowRect(edit_box, &window);
  RECT text_area = {};
  GetClientRect(edit_box, &text_area);
  MapWindowPoints(edit_box, nullptr, reinterpret_cast<POINT*>(&text_area), 2);
  OffsetRect(&text_area, -window.left, -window.top);
  OffsetRect(&window, -window.left, -window.top);
  const int edge_x = GetSystemMetrics(SM_CXEDGE);
  const int edge_y = GetSystemMetrics(SM_CYEDGE);
  RECT inside_edge = {window.left + edge_x, window.top + edge_y, window.right - edge_x, window.bottom - edge_y};

  ScopedWindowDc dc(edit_box);
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(edit_box), WM_CTLCOLOREDIT,
                                                           reinterpret_cast<WPARAM>(dc.Dc()),
                                                           reinterpret_cast<LPARAM>(edit_box)));
  const RECT above = {inside_edge.left, inside_edge.top, inside_edge.right, text_area.top};
  const RECT below = {inside_edge.left, text_area.bottom, inside_edge.right, inside_edge.bottom};
  const HBRUSH fill = brush != nullptr ? brush : GetSysColorBrush(COLOR_WINDOW);
  FillRect(dc.Dc(), &above, fill);
  FillRect(dc.Dc(), &below, fill);
  return result;
}

LRESULT CALLBACK PlacementProcedure(HWND edit_box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                    DWORD_PTR) noexcept {
  switch (message) {
    case WM_NCCALCSIZE: return OnNcCalcSize(edit_box, wparam, lparam);
    case WM_NCPAINT: return OnNcPaint(edit_box, wparam, lparam);
    case WM_NCDESTROY: RemoveWindowSubclass(edit_box, PlacementProcedure, id); break;
    default: break;
  }
  return DefSubclassProc(edit_box, message, wparam, lparam);
}

}  // namespace

RECT CentredLine(const RECT& area, int line_height) noexcept {
  const int height = area.bottom - area.top;
  RECT line = area;
  line.top = area.top + (height - line_height) / 2;
  line.bottom = line.top + line_height;
  return line;
}

bool PlaceEditTextInTheMiddle(HWND edit_box) noexcept {
  if (!SetWindowSubclass(edit_box, PlacementProcedure, kPlacementSubclass, 0)) {
    return false;
  }
  SetWindowPos(edit_box, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

}  // namespace quorvane
