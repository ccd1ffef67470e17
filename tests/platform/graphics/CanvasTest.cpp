#include <gtest/gtest.h>

#include "GraphicsTestSupport.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/DrawFunctions.h"

namespace {
constexpr TColor Paper = 0x00336699;

class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override { MakeBitmap(Bitmap, 20, 16, Paper); }
  TCanvas& C() { return *Bitmap.Canvas(); }
  TColor At(int x, int y) { return C().Pixels(x, y); }
  TBitmap Bitmap;
};

TEST_F(CanvasTest, XorAndNotPensDrawnTwiceRestoreThePixels) {
  for (TPenMode mode : {pmXor, pmNot, pmNotXor}) {
    std::vector<TColor> before = PixelsOf(Bitmap);
    C().Pen()->SetMode(mode);
    C().Pen()->SetColor(clRed);
    C().Pen()->SetStyle(psDot);
    C().Brush()->SetStyle(bsClear);
    for (int pass = 0; pass < 2; ++pass) {
      C().Rectangle(2, 2, 15, 12);
      C().MoveTo(0, 0);
      C().LineTo(19, 13);
      if (pass == 0) {
        EXPECT_NE(PixelsOf(Bitmap), before) << mode;
      }
    }
    EXPECT_EQ(PixelsOf(Bitmap), before) << mode;
  }
  C().Pen()->SetMode(pmXor);
  C().Pen()->SetColor(clWhite);
  C().Pen()->SetStyle(psSolid);
  C().MoveTo(0, 0);
  C().LineTo(5, 0);
  EXPECT_EQ(At(0, 0), Paper ^ clWhite);
}

TEST_F(CanvasTest, RectangleAndLinesLeaveOutTheRightAndBottomEdges) {
  C().Pen()->SetColor(clRed);
  C().Brush()->SetColor(clLime);
  C().Rectangle(2, 3, 8, 9);
  EXPECT_EQ(At(2, 3), clRed);
  EXPECT_EQ(At(7, 8), clRed);
  EXPECT_EQ(At(8, 8), Paper);
  EXPECT_EQ(At(7, 9), Paper);
  EXPECT_EQ(At(3, 4), clLime);
  EXPECT_EQ(At(6, 7), clLime);
  C().MoveTo(10, 1);
  C().LineTo(15, 1);
  EXPECT_EQ(At(10, 1), clRed);
  EXPECT_EQ(At(14, 1), clRed);
  EXPECT_EQ(At(15, 1), Paper);
  EXPECT_EQ(C().PenPos(), Point(15, 1));
}

TEST_F(CanvasTest, FrameRectAndFillRectUseTheBrush) {
  C().Brush()->SetColor(clBlue);
  C().FrameRect(Rect(1, 1, 6, 5));
  for (TPoint p : {Point(1, 1), Point(5, 1), Point(1, 4), Point(5, 4), Point(3, 1), Point(1, 3)})
    EXPECT_EQ(At(p.X, p.Y), clBlue) << p.X << "," << p.Y;
  EXPECT_EQ(At(3, 3), Paper);
  EXPECT_EQ(At(6, 1), Paper);
  EXPECT_EQ(At(1, 5), Paper);
  C().Brush()->SetColor(clYellow);
  C().FillRect(Rect(10, 10, 12, 12));
  EXPECT_EQ(At(11, 11), clYellow);
  EXPECT_EQ(At(12, 11), Paper);
}

TEST_F(CanvasTest, DrawEdgeTakesItsColoursFromTheSystemColours) {
  TRect r = Rect(2, 2, 12, 10);
  HDC dc = C().Handle();
  ASSERT_TRUE(DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST));
  EXPECT_EQ(r, Rect(4, 4, 10, 8));
  struct {
    int X, Y;
    TColor Color;
  } expected[] = {
      {2, 2, cl3DLight},      {2, 8, cl3DLight},     {11, 2, cl3DDkShadow}, {2, 9, cl3DDkShadow},
      {11, 9, cl3DDkShadow},  {3, 3, clBtnHighlight}, {10, 8, clBtnShadow},  {5, 5, clBtnFace},
      {12, 5, Paper},
  };
  for (const auto& e : expected)
    EXPECT_EQ(At(e.X, e.Y), ColorToRGB(e.Color)) << e.X << "," << e.Y;

  TRect flat = Rect(14, 2, 19, 7);
  DrawEdge(dc, &flat, BDR_SUNKENOUTER, BF_RECT | BF_FLAT);
  EXPECT_EQ(flat, Rect(14, 2, 19, 7));
  EXPECT_EQ(At(14, 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(18, 6), ColorToRGB(clBtnShadow));
}

TEST_F(CanvasTest, Frame3DPutsTheBottomColourOnTheSharedCorners) {
  TRect r = Rect(1, 1, 9, 7);
  Frame3D(&C(), r, clWhite, clBlack, 1);
  EXPECT_EQ(r, Rect(2, 2, 8, 6));
  EXPECT_EQ(At(1, 1), clWhite);
  EXPECT_EQ(At(7, 1), clWhite);
  EXPECT_EQ(At(1, 5), clWhite);
  EXPECT_EQ(At(8, 1), clBlack);
  EXPECT_EQ(At(1, 6), clBlack);
  EXPECT_EQ(At(8, 6), clBlack);
  EXPECT_EQ(At(4, 4), Paper);
}

TEST_F(CanvasTest, FocusRectanglesInvertEveryOtherPixelAndEraseThemselves) {
  std::vector<TColor> before = PixelsOf(Bitmap);
  C().DrawFocusRect(Rect(2, 2, 10, 8));
  EXPECT_EQ(At(2, 2), Paper ^ 0xFFFFFF);
  EXPECT_EQ(At(3, 2), Paper);
  EXPECT_EQ(At(4, 2), Paper ^ 0xFFFFFF);
  EXPECT_EQ(At(5, 5), Paper);
  C().DrawFocusRect(Rect(2, 2, 10, 8));
  EXPECT_EQ(PixelsOf(Bitmap), before);
}

TEST_F(CanvasTest, ComboButtonShowsAnArrowThatMovesWhenPushed) {
  auto arrowPixels = [&](UINT state) {
    MakeBitmap(Bitmap, 20, 16, Paper);
    TRect r = Rect(0, 0, 17, 16);
    EXPECT_TRUE(DrawFrameControl(C().Handle(), &r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | state));
    std::vector<TPoint> dark;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 17; ++x)
        if (At(x, y) == ColorToRGB(clBtnText) && x > 2 && y > 2 && x < 14 && y < 13) dark.push_back({x, y});
    return dark;
  };
  std::vector<TPoint> normal = arrowPixels(0);
  std::vector<TPoint> pushed = arrowPixels(DFCS_PUSHED);
  ASSERT_FALSE(normal.empty());
  ASSERT_EQ(normal.size(), pushed.size());
  EXPECT_EQ(pushed.front(), Point(normal.front().X + 1, normal.front().Y + 1));
  // An arrow pointing down: its first row is its widest.
  int firstRow = normal.front().Y;
  long widest = std::count_if(normal.begin(), normal.end(), [&](TPoint p) { return p.Y == firstRow; });
  EXPECT_GT(widest, std::count_if(normal.begin(), normal.end(), [&](TPoint p) { return p.Y == firstRow + 1; }));
  EXPECT_TRUE(arrowPixels(DFCS_INACTIVE).empty());
}

TEST_F(CanvasTest, TextDrawsInTheFontColourWithinItsExtent) {
  C().Font()->SetColor(clBlue);
  MakeBitmap(Bitmap, 80, 30, clWhite);
  C().Brush()->SetStyle(bsClear);
  C().TextOut(2, 2, "Wg");
  TSize extent = C().TextExtent("Wg");
  int inside = 0, outside = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x)
      if (At(x, y) != clWhite)
        (x >= 2 && x < 2 + extent.cx && y >= 2 && y < 2 + extent.cy ? inside : outside)++;
  EXPECT_GT(inside, 0);
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(C().PenPos(), Point(2 + extent.cx, 2));

  TRect calc = Rect(0, 0, 0, 0);
  EXPECT_EQ(DrawText(C().Handle(), "Wg", -1, &calc, DT_CALCRECT | DT_SINGLELINE), extent.cy);
  EXPECT_EQ(calc, Rect(0, 0, extent.cx, extent.cy));
}

TEST(Canvas, WithoutADeviceContextDrawingIsRefused) {
  TCanvas canvas;
  EXPECT_THROW(canvas.Rectangle(0, 0, 5, 5), EInvalidOperation);
  TBitmap empty;
  EXPECT_THROW(empty.Canvas()->FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
}

TEST_F(CanvasTest, BrushCopyReplacesTheTransparentColourWithTheBrush) {
  TBitmap glyph;
  MakeBitmap(glyph, 4, 4, clFuchsia);
  glyph.Canvas()->SetPixels(1, 1, clNavy);
  EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
  C().Brush()->SetColor(clYellow);
  C().BrushCopy(Rect(10, 10, 14, 14), &glyph, Rect(0, 0, 4, 4), glyph.TransparentColor());
  EXPECT_EQ(At(10, 10), clYellow);
  EXPECT_EQ(At(11, 11), clNavy);
  EXPECT_EQ(At(14, 14), Paper);
}
}  // namespace
