#include <gtest/gtest.h>

#include "ExtCtrlsTestSupport.h"

namespace {

TEST(Panel, AlignedChildrenFillWhatBevelsAndBorderLeave) {
  struct TCase {
    TBevelCut Outer, Inner;
    int32_t BevelWidth, BorderWidth;
    TBorderStyle Border;
    int32_t Inset;
  };
  const TCase cases[] = {
      {bvNone, bvNone, 1, 0, bsNone, 0},       {bvRaised, bvNone, 1, 0, bsNone, 1},
      {bvRaised, bvLowered, 2, 0, bsNone, 4},  {bvLowered, bvNone, 3, 5, bsNone, 8},
      {bvNone, bvNone, 1, 0, bsSingle, 1},
  };
  for (const TCase& c : cases) {
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 100, 60);
    auto* child = Place<TPanel>(&panel, 0, 0, 10, 10);
    child->SetAlign(alClient);
    panel.SetBevelOuter(c.Outer);
    panel.SetBevelInner(c.Inner);
    panel.SetBevelWidth(c.BevelWidth);
    panel.SetBorderWidth(c.BorderWidth);
    panel.SetBorderStyle(c.Border);
    EXPECT_EQ(child->BoundsRect(), Rect(c.Inset, c.Inset, 100 - c.Inset, 60 - c.Inset)) << c.Inset;
  }
}

TEST(Panel, PaintsItsBevelsAndCaption) {
  TShownForm shown;
  auto* panel = Place<TPanel>(shown.Form, 0, 0, 120, 40);
  panel->SetColor(clSilver);
  panel->SetBevelOuter(bvLowered);
  panel->SetBevelInner(bvRaised);
  panel->SetCaption("");
  QImage plain = Snapshot(panel);
  EXPECT_EQ(PixelAt(plain, 0, 20), ColorToRGB(clBtnShadow));      // outer, lowered: dark on the left
  EXPECT_EQ(PixelAt(plain, 119, 20), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(PixelAt(plain, 1, 20), ColorToRGB(clBtnHighlight));   // inner, raised
  EXPECT_EQ(PixelAt(plain, 60, 20), clSilver);
  panel->SetCaption("WWWW");
  QImage captioned = Snapshot(panel);
  int differing = 0;
  for (int x = 30; x < 90; ++x)
    if (captioned.pixel(x, 20) != plain.pixel(x, 20)) ++differing;
  EXPECT_GT(differing, 0);
}

TEST(Panel, ANewPanelIsNamedAfterItselfAndLooksLikeThePlatforms) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetName("Panel1");
  EXPECT_EQ(panel->Caption(), "Panel1");
  EXPECT_EQ(panel->Color(), clBtnFace);
  EXPECT_EQ(panel->BoundsRect(), Rect(0, 0, 185, 41));
}

TEST(StatusBar, PanelsFollowEachOtherAndTheLastReachesTheEnd) {
  TStatusBar bar(nullptr);
  bar.SetBounds(0, 0, 300, 19);
  bar.SetSizeGrip(false);
  for (int32_t width : {50, 80, 40}) bar.Panels()->Add()->SetWidth(width);
  EXPECT_EQ(bar.PanelRect(0), Rect(0, 2, 50, 19));
  EXPECT_EQ(bar.PanelRect(1), Rect(52, 2, 132, 19));
  EXPECT_EQ(bar.PanelRect(2), Rect(134, 2, 300, 19));
  bar.SetSizeGrip(true);
  EXPECT_LT(bar.PanelRect(2).Right, 300);
}

TEST(StatusBar, ShowsItsTextsAndOwnerDrawnPanels) {
  TShownForm shown(300, 100);
  auto* bar = Place<TStatusBar>(shown.Form, 0, 0, 300, 19);
  bar->SetColor(clWhite);
  bar->Font()->SetColor(clBlack);
  TStatusPanel* text = bar->Panels()->Add();
  text->SetWidth(100);
  text->SetBevel(pbNone);
  TStatusPanel* drawn = bar->Panels()->Add();
  drawn->SetStyle(psOwnerDraw);
  bar->OnDrawPanel = [](TStatusBar* sb, TStatusPanel*, const TRect& r) {
    sb->Canvas()->Brush()->SetColor(clRed);
    sb->Canvas()->FillRect(r);
  };
  auto darkPixels = [&] {
    QImage image = Snapshot(bar);
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < 100; ++x)
        if (qGray(image.pixel(x, y)) < 64) ++dark;
    return dark;
  };
  EXPECT_EQ(darkPixels(), 0);
  text->SetText("Ready");
  EXPECT_GT(darkPixels(), 0);
  EXPECT_EQ(PixelAt(Snapshot(bar), 150, 10), clRed);
  bar->SetSimpleText("Simple");
  bar->SetSimplePanel(true);
  EXPECT_NE(PixelAt(Snapshot(bar), 150, 10), clRed);
}

}  // namespace
