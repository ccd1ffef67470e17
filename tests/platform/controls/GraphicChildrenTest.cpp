#include <gtest/gtest.h>

#include <string>

#include "ControlsTestSupport.h"

namespace {

// A form with two overlapping graphic controls (B above A), a hidden one and
// a disabled one, and a windowed panel.
struct TGraphicScene : TShownForm {
  TGraphicScene() {
    A = Make("A", 10, 10, clRed);
    B = Make("B", 20, 20, clBlue);
    Hidden = Make("Hidden", 100, 10, clLime);
    Hidden->SetVisible(false);
    Disabled = Make("Disabled", 130, 10, clYellow);
    Disabled->SetEnabled(false);
    Panel = new TTestPanel(Form);
    Panel->SetParent(Form);
    Panel->SetBounds(10, 80, 60, 40);
  }
  TTestShape* Make(const char* name, int x, int y, TColor color) {
    auto* shape = new TTestShape(Form);
    shape->SetName(name);
    shape->SetParent(Form);
    shape->SetBounds(x, y, 20, 20);
    shape->SetColor(color);
    return shape;
  }
  TTestShape *A, *B, *Hidden, *Disabled;
  TTestPanel* Panel;
};

std::string NameAt(TWinControl* parent, TPoint p, bool allowDisabled, bool allowWin) {
  TControl* c = parent->ControlAtPos(p, allowDisabled, allowWin);
  return c ? (c->Name().empty() ? c->ClassName() : c->Name()) : "-";
}

TEST(GraphicControls, ControlAtPosFindsTheTopmostChildTheCallerAllows) {
  TGraphicScene scene;
  struct TCase {
    TPoint At;
    bool AllowDisabled;
    bool AllowWin;
    std::string Expected;
  } cases[] = {
      {{12, 12}, false, false, "A"},        {{25, 25}, false, false, "B"},  // B was added last
      {{29, 29}, false, false, "B"},        {{19, 19}, false, false, "A"},
      {{39, 39}, false, false, "B"},        {{40, 40}, false, false, "-"},
      {{105, 15}, true, true, "-"},         {{135, 15}, false, false, "-"},
      {{135, 15}, true, false, "Disabled"}, {{20, 90}, false, false, "-"},
      {{20, 90}, false, true, "TTestPanel"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(NameAt(scene.Form, c.At, c.AllowDisabled, c.AllowWin), c.Expected)
        << c.At.X << "," << c.At.Y;
  scene.A->BringToFront();
  EXPECT_EQ(NameAt(scene.Form, {25, 25}, false, false), "A");
}

TEST(GraphicControls, AreMovedAndPaintedByTheirParentClippedToTheirBounds) {
  TGraphicScene scene;
  QImage image = Snapshot(scene.Form);
  EXPECT_EQ(PixelAt(image, 10, 10), clRed);
  EXPECT_EQ(PixelAt(image, 25, 25), clBlue);  // B over A
  EXPECT_EQ(PixelAt(image, 39, 39), clBlue);
  EXPECT_EQ(PixelAt(image, 40, 40), ColorToRGB(clBtnFace));
  EXPECT_EQ(PixelAt(image, 105, 15), ColorToRGB(clBtnFace));  // hidden
  scene.B->SendToBack();
  scene.A->SetLeft(50);
  image = Snapshot(scene.Form);
  EXPECT_EQ(PixelAt(image, 25, 25), clBlue);
  EXPECT_EQ(PixelAt(image, 12, 12), ColorToRGB(clBtnFace));
  EXPECT_EQ(PixelAt(image, 50, 10), clRed);
  // The panel's own painting: its frame over its background.
  EXPECT_EQ(PixelAt(image, 10, 80), clBlack);
  EXPECT_EQ(PixelAt(image, 20, 90), ColorToRGB(clBtnFace));
}

TEST(GraphicControls, APressOverOneReachesItThroughItsParentInItsCoordinates) {
  TGraphicScene scene;
  std::string log;
  scene.B->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int32_t x, int32_t y) {
    log += "down " + std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y) + ";";
  };
  scene.B->OnClick = [&](TObject*) { log += "click;"; };
  scene.A->OnClick = [&](TObject*) { log += "A;"; };
  ClickAt(scene.Form, {25, 27});
  EXPECT_EQ(log, "down 0 5,7;click;");
  // Released outside: no click, though the capture brought the release to B.
  log.clear();
  SendMouse(scene.Form, QEvent::MouseButtonPress, {25, 27}, Qt::LeftButton, Qt::LeftButton);
  SendMouse(scene.Form, QEvent::MouseButtonRelease, {150, 100}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(log, "down 0 5,7;");
}

TEST(GraphicControls, ControlsInDesignStateGetNoClicks) {
  TGraphicScene scene;
  int clicks = 0;
  scene.B->OnClick = [&](TObject*) { ++clicks; };
  scene.Panel->OnClick = [&](TObject*) { ++clicks; };
  scene.Form->SetDesigning(true);
  ClickAt(scene.Form, {25, 25});
  ClickAt(scene.Panel, {5, 5});
  EXPECT_EQ(clicks, 0);
  scene.Form->SetDesigning(false);
  ClickAt(scene.Form, {25, 25});
  ClickAt(scene.Panel, {5, 5});
  EXPECT_EQ(clicks, 2);
}

}  // namespace
