#include <windows.h>

#include <gtest/gtest.h>

#include "canvas.h"
#include "window/label.h"

namespace quorvane {
namespace {

using testing_support::Canvas;

COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }

HFONT DefaultFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

TEST(PaintLabel, FillsTheFaceColourAndDrawsTheTextInItsColour) {
  Canvas canvas(112, 24);
  const RECT area = {0, 0, 112, 24};
  const LabelLook look = {RGB(255, 0, 0), nullptr, false};
  PaintLabel(canvas.Dc(), area, area, L"框架眼镜左眼度数：", look, DefaultFont());
  const Canvas::Ink ink = canvas.InkOn(Face(), area);
  EXPECT_GT(ink.strong_red, 5) << "text pixels in the label's colour";
  EXPECT_EQ(ink.red_dominant, ink.pixels) << "no other colour was drawn";
  EXPECT_EQ(canvas.Count(RGB(0, 0, 0), area), 0) << "the background was filled everywhere";
  // One line in the vertical middle: nothing in the top and bottom rows.
  EXPECT_EQ(canvas.InkOn(Face(), {0, 0, 112, 3}).pixels, 0);
  EXPECT_EQ(canvas.InkOn(Face(), {0, 21, 112, 24}).pixels, 0);
}

TEST(PaintLabel, AWrappingLabelBreaksIntoLinesFromTheTop) {
  Canvas canvas(200, 60);
  const RECT area = {0, 0, 200, 60};
  const LabelLook look = {RGB(255, 0, 0), nullptr, true};
  PaintLabel(canvas.Dc(), area, area, L"注意：散光度数低于100度的可以忽略不填写。如换算完度数=382度，请佩戴375度隐形眼镜。", look,
             DefaultFont());
  EXPECT_GT(canvas.InkOn(Face(), {0, 0, 200, 14}).strong_red, 0) << "first line at the top";
  EXPECT_GT(canvas.InkOn(Face(), {0, 14, 200, 28}).strong_red, 0) << "second line below it";
  EXPECT_EQ(canvas.InkOn(Face(), {0, 44, 200, 60}).pixels, 0) << "no more lines than the text needs";
}

TEST(PaintLabel, DrawsNothingOutsideTheClip) {
  Canvas canvas(112, 24);
  const RECT area = {0, 0, 112, 24};
  const RECT clip = {0, 0, 40, 24};
  const LabelLook look = {RGB(255, 0, 0), nullptr, false};
  PaintLabel(canvas.Dc(), area, clip, L"框架眼镜左眼度数：", look, DefaultFont());
  EXPECT_EQ(canvas.Count(RGB(0, 0, 0), {40, 0, 112, 24}), 72 * 24) << "right of the clip stays untouched";
  EXPECT_EQ(canvas.Count(RGB(0, 0, 0), clip), 0);
}

TEST(PaintLabel, AnEmptyTextOnlyFillsTheBackground) {
  Canvas canvas(20, 10);
  const RECT area = {0, 0, 20, 10};
  PaintLabel(canvas.Dc(), area, area, L"", {RGB(255, 0, 0), nullptr, false}, DefaultFont());
  EXPECT_EQ(canvas.Count(Face(), area), 200);
}

TEST(PaintLabel, RestoresTheDcItWasGiven) {
  Canvas canvas(20, 10);
  HGDIOBJ font_before = GetCurrentObject(canvas.Dc(), OBJ_FONT);
  const int mode_before = GetBkMode(canvas.Dc());
  const RECT area = {0, 0, 20, 10};
  PaintLabel(canvas.Dc(), area, area, L"x", {RGB(1, 2, 3), nullptr, false}, DefaultFont());
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_FONT), font_before);
  EXPECT_EQ(GetBkMode(canvas.Dc()), mode_before);
}

}  // namespace
}  // namespace quorvane
