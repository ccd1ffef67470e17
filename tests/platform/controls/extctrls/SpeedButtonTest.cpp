#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ExtCtrlsTestSupport.h"

namespace {

// Three buttons of group 1 side by side at x = 0, 30, 60 on a shown form.
struct TGroupFixture {
  TShownForm Shown;
  std::vector<TSpeedButton*> Buttons;
  std::vector<int> Clicks = std::vector<int>(3, 0);
  explicit TGroupFixture(bool allowAllUp) {
    for (int i = 0; i < 3; ++i) {
      auto* button = Place<TSpeedButton>(Shown.Form, i * 30, 0, 25, 25);
      button->SetGroupIndex(1);
      button->SetAllowAllUp(allowAllUp);
      button->OnClick = [this, i](TObject*) { ++Clicks[i]; };
      Buttons.push_back(button);
    }
  }
  void Click(int i) { ClickAt(Shown.Form, QPoint(i * 30 + 10, 10)); }
  std::vector<bool> Down() const {
    std::vector<bool> down;
    for (auto* b : Buttons) down.push_back(b->Down());
    return down;
  }
};

TEST(SpeedButton, AGroupKeepsExactlyOneDownUnlessItAllowsAllUp) {
  struct TCase {
    bool AllowAllUp;
    std::vector<int> Presses;
    std::vector<bool> Down;
  };
  const TCase cases[] = {
      {false, {0}, {true, false, false}},
      {false, {0, 1}, {false, true, false}},
      {false, {0, 2, 2}, {false, false, true}},  // the down one again: nothing changes
      {true, {1, 1}, {false, false, false}},     // all up allowed
      {true, {1, 2, 0}, {true, false, false}},
  };
  for (const TCase& c : cases) {
    TGroupFixture group(c.AllowAllUp);
    for (int i : c.Presses) group.Click(i);
    EXPECT_EQ(group.Down(), c.Down) << "AllowAllUp " << c.AllowAllUp;
    int clicks = 0;
    for (int n : group.Clicks) clicks += n;
    EXPECT_EQ(clicks, static_cast<int>(c.Presses.size()));  // every press inside clicks
  }
}

TEST(SpeedButton, SettingDownReleasesTheOthersAndAButtonOutsideAGroupNeverStaysDown) {
  TGroupFixture group(false);
  group.Buttons[2]->SetDown(true);
  group.Buttons[0]->SetDown(true);
  EXPECT_EQ(group.Down(), (std::vector<bool>{true, false, false}));
  group.Buttons[0]->SetDown(false);  // the group does not allow all up
  EXPECT_TRUE(group.Buttons[0]->Down());
  // The group shares AllowAllUp: setting it on one tells the others.
  group.Buttons[1]->SetAllowAllUp(true);
  group.Buttons[0]->SetDown(false);
  EXPECT_EQ(group.Down(), (std::vector<bool>{false, false, false}));

  auto* single = Place<TSpeedButton>(group.Shown.Form, 100, 0, 25, 25);
  single->SetDown(true);
  EXPECT_FALSE(single->Down());
  ClickAt(group.Shown.Form, QPoint(110, 10));
  EXPECT_FALSE(single->Down());
  EXPECT_EQ(single->State(), bsUp);
}

TEST(SpeedButton, AReleaseOutsideNeitherClicksNorPresses) {
  TGroupFixture group(false);
  PressAt(group.Shown.Form, QPoint(10, 10));
  EXPECT_EQ(group.Buttons[0]->State(), bsDown);
  MoveTo(group.Shown.Form, QPoint(150, 100), Qt::LeftButton);
  EXPECT_EQ(group.Buttons[0]->State(), bsUp);
  ReleaseAt(group.Shown.Form, QPoint(150, 100));
  EXPECT_FALSE(group.Buttons[0]->Down());
  EXPECT_EQ(group.Clicks[0], 0);
}

TEST(SpeedButton, AFlatButtonShowsItsEdgeOnlyWhileTheMouseIsOver) {
  TShownForm shown;
  shown.Form->SetColor(clBtnFace);
  auto* button = Place<TSpeedButton>(shown.Form, 20, 20, 25, 25);
  button->SetFlat(true);
  auto edge = [&] { return PixelAt(Snapshot(shown.Form), 20, 30); };
  TColor face = edge();
  MoveTo(shown.Form, QPoint(30, 30));
  EXPECT_TRUE(button->MouseInControl());
  EXPECT_NE(edge(), face);
  MoveTo(shown.Form, QPoint(100, 100));
  EXPECT_FALSE(button->MouseInControl());
  EXPECT_EQ(edge(), face);
}

TEST(SpeedButton, TheGlyphSetsNumGlyphsAndEachStateShowsItsImage) {
  TShownForm shown;
  auto* button = Place<TSpeedButton>(shown.Form, 0, 0, 40, 40);
  std::unique_ptr<TBitmap> glyph(SolidGlyph(12, {clRed, clBlue, clLime}));
  button->SetGlyph(glyph.get());
  EXPECT_EQ(button->NumGlyphs(), 3);
  auto middle = [&] { return PixelAt(Snapshot(shown.Form), 20, 20); };
  EXPECT_EQ(middle(), clRed);
  button->SetEnabled(false);
  EXPECT_EQ(middle(), clBlue);
  button->SetEnabled(true);
  PressAt(shown.Form, QPoint(5, 5));
  EXPECT_EQ(PixelAt(Snapshot(shown.Form), 21, 21), clLime);  // pressed glyphs move by one
  ReleaseAt(shown.Form, QPoint(5, 5));
  // A square glyph counts one image; the olive frame is transparent.
  std::unique_ptr<TBitmap> square(SolidGlyph(12, {clRed}));
  button->SetGlyph(square.get());
  EXPECT_EQ(button->NumGlyphs(), 1);
  EXPECT_NE(PixelAt(Snapshot(shown.Form), 14, 14), clOlive);
}

TEST(SpeedButton, LayoutAndMarginPlaceTheGlyph) {
  struct TCase {
    TButtonLayout Layout;
    QPoint GlyphCentre;  // of a 10 x 10 glyph in a 60 x 60 button, margin 2
  };
  // The button's frame takes 2 pixels; the glyph is centred across the layout.
  const TCase cases[] = {
      {blGlyphLeft, {4 + 5, 25 + 5}},
      {blGlyphRight, {46 + 5, 25 + 5}},
      {blGlyphTop, {25 + 5, 4 + 5}},
      {blGlyphBottom, {25 + 5, 46 + 5}},
  };
  TShownForm shown;
  auto* button = Place<TSpeedButton>(shown.Form, 0, 0, 60, 60);
  std::unique_ptr<TBitmap> glyph(SolidGlyph(10, {clRed}));
  button->SetGlyph(glyph.get());
  button->SetMargin(2);
  for (const TCase& c : cases) {
    button->SetLayout(c.Layout);
    QImage image = Snapshot(shown.Form);
    EXPECT_EQ(PixelAt(image, c.GlyphCentre.x(), c.GlyphCentre.y()), clRed) << c.Layout;
    EXPECT_NE(PixelAt(image, 30, 30), clRed) << c.Layout;
  }
}

}  // namespace
