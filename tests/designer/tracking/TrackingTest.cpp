// Moving, sizing and the rubber band, driven by real mouse input on a
// designed form: grid steps, live and outline moves, handle drags, bands that
// toggle what they touch, and drags cancelled half-way.

#include <gtest/gtest.h>

#include <QImage>

#include "DesignerTestSupport.h"
#include "platform/controls/extctrls/Panel.h"
#include "platform/controls/stdctrls/Button.h"
#include "platform/windows/QtWindows.h"

namespace {

class TrackingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    A = AddControl<TButton>(Surface.Form, Surface.Form, "A", 100, 100, 50, 30);
    B = AddControl<TButton>(Surface.Form, Surface.Form, "B", 200, 100, 50, 30);
    Designer = CreateDesigner(Surface.Form, &Inspector);
    ProcessEvents();
  }

  // The drag window holds the capture, so moves and the release go to the
  // form, in its client coordinates.
  void MoveTo(TPoint p) { MouseMoveTo(Surface.Form, {p.X, p.Y}, Qt::LeftButton); }
  void ReleaseAt(TPoint p) { MouseRelease(Surface.Form, {p.X, p.Y}); }
  void Select(TControl* control) {
    MousePress(control, {5, 5});
    MouseRelease(control, {5, 5});
  }
  size_t ModifiedCount() { return Inspector.CallsOf("RefreshValues").size(); }
  // Pixels that the XOR mask of the form's overlay changes now: drawn outlines.
  int OverlayPixels() {
    QImage layer = WindowXorLayer(Surface.Form->Handle());
    int count = 0;
    for (int y = 0; y < layer.height(); ++y)
      for (int x = 0; x < layer.width(); ++x) count += (layer.pixel(x, y) & 0xFFFFFF) != 0;
    return count;
  }

  // Declared first so that it outlives the form, whose designer tells it
  // of the form's end.
  TRecordingInspector Inspector;
  TDesignedForm Surface;
  TButton* A = nullptr;
  TButton* B = nullptr;
  TObjectEditor* Designer = nullptr;
};

TEST_F(TrackingTest, AGridMoveShiftsByWholeStepsFromAnyStart) {
  struct Case {
    TPoint Start, Drag, Shift;
  };
  const Case cases[] = {{{13, 7}, {21, 10}, {16, 8}},
                        {{40, 30}, {7, 7}, {0, 0}},
                        {{101, 53}, {-21, -17}, {-16, -16}}};
  for (const Case& c : cases) {
    A->SetBounds(c.Start.X, c.Start.Y, 50, 30);
    MousePress(A, {5, 5});
    TPoint press{c.Start.X + 5, c.Start.Y + 5};
    MoveTo({press.X + c.Drag.X / 2, press.Y + c.Drag.Y / 2});
    MoveTo({press.X + c.Drag.X, press.Y + c.Drag.Y});
    ReleaseAt({press.X + c.Drag.X, press.Y + c.Drag.Y});
    EXPECT_EQ(A->BoundsRect(), Bounds(c.Start.X + c.Shift.X, c.Start.Y + c.Shift.Y, 50, 30))
        << "from " << c.Start.X << "," << c.Start.Y;
  }
}

TEST_F(TrackingTest, ALiveMoveMovesAtEachStepAndReportsEachStep) {
  Designer->LiveDrag = true;
  MousePress(A, {5, 5});
  size_t before = ModifiedCount();
  MoveTo({113, 105});
  EXPECT_EQ(A->Left(), 108);
  EXPECT_EQ(ModifiedCount(), before + 1);
  MoveTo({121, 113});
  EXPECT_EQ(A->BoundsRect(), Bounds(116, 108, 50, 30));
  EXPECT_EQ(ModifiedCount(), before + 2);
  ReleaseAt({121, 113});
  EXPECT_EQ(A->BoundsRect(), Bounds(116, 108, 50, 30));
  EXPECT_TRUE(Designer->Grab->Visible);
}

TEST_F(TrackingTest, AnOutlineMoveLeavesTheControlUntilTheRelease) {
  MousePress(A, {5, 5});
  MoveTo({113, 105});
  MoveTo({121, 121});
  EXPECT_EQ(A->BoundsRect(), Bounds(100, 100, 50, 30));
  EXPECT_GT(OverlayPixels(), 0);
  EXPECT_FALSE(Designer->Grab->Visible);

  ReleaseAt({121, 121});
  EXPECT_EQ(A->BoundsRect(), Bounds(116, 116, 50, 30));
  EXPECT_EQ(OverlayPixels(), 0);
  EXPECT_TRUE(Designer->Grab->Visible);
}

TEST_F(TrackingTest, AHandleDragSizesFromTheAnchorAndFlipsAcrossIt) {
  struct Case {
    int Handle;
    TPoint To;
    TRect Expected;
  };
  // A at (100, 100)-(150, 130); sizes snap to 8 from the anchor.
  const Case cases[] = {
      {1, {140, 82}, Bounds(100, 82, 50, 48)},     // top middle: only the top moves
      {1, {140, 150}, Bounds(100, 130, 50, 16)},   // below the bottom: flipped
      {4, {100, 100}, Bounds(100, 100, 0, 0)},     // corner onto the anchor
      {3, {170, 60}, Bounds(100, 100, 64, 30)},    // right middle: only the right moves
  };
  for (const Case& c : cases) {
    A->SetBounds(100, 100, 50, 30);
    Select(A);
    ASSERT_TRUE(Designer->Grab->Visible);
    MousePress(Designer->Grab->Handles[c.Handle], {2, 2});
    MoveTo(c.To);
    ReleaseAt(c.To);
    EXPECT_EQ(A->BoundsRect(), c.Expected) << "handle " << c.Handle;
    EXPECT_EQ(OverlayPixels(), 0);
  }
}

TEST_F(TrackingTest, AControlInAPanelIsSizedInThePanel) {
  auto* panel = AddControl<TPanel>(Surface.Form, Surface.Form, "Panel1", 20, 160, 200, 100);
  auto* inner = AddControl<TButton>(Surface.Form, panel, "Inner", 10, 10, 50, 30);
  ProcessEvents();
  Select(inner);
  POINT handle{0, 0};
  MapWindowPoints(Designer->Grab->Handles[4]->Handle(), panel->Handle(), &handle, 1);
  EXPECT_EQ(handle, (POINT{57, 37}));

  MousePress(Designer->Grab->Handles[4], {2, 2});
  MoveTo({20 + 77, 160 + 55});  // the panel's (77, 55)
  ReleaseAt({20 + 77, 160 + 55});
  EXPECT_EQ(inner->BoundsRect(), Bounds(10, 10, 64, 40));
}

TEST_F(TrackingTest, ABandTogglesWhatItTouches) {
  struct Case {
    TPoint From, To;
    size_t Selected;
  };
  // A covers x 100..149: a band ending at 101 touches it, one ending at 100 not.
  const Case cases[] = {{{20, 110}, {101, 115}, 1},
                        {{20, 110}, {100, 115}, 0},
                        {{101, 60}, {101, 160}, 0},
                        {{90, 90}, {300, 140}, 2}};
  for (const Case& c : cases) {
    MousePress(Surface.Form, {c.From.X, c.From.Y});
    MoveTo(c.To);
    ReleaseAt(c.To);
    EXPECT_EQ(Designer->Selection.size(), c.Selected)
        << "to " << c.To.X << "," << c.To.Y;
    EXPECT_EQ(OverlayPixels(), 0);
  }
}

TEST_F(TrackingTest, ACtrlBandOverSelectedControlsSelectsThemAgain) {
  Select(A);
  MousePress(B, {5, 5}, Qt::ShiftModifier);
  MouseRelease(B, {5, 5}, Qt::ShiftModifier);
  ASSERT_EQ(Designer->Selection.size(), 2u);

  MousePress(A, {5, 5}, Qt::ControlModifier);
  MoveTo({260, 120});
  ReleaseAt({260, 120});
  EXPECT_EQ(Designer->Selection, (std::vector<TControl*>{A, B}));
}

TEST_F(TrackingTest, CancelModeAndARightPressEndADragWithoutMoving) {
  for (bool rightPress : {false, true}) {
    A->SetBounds(100, 100, 50, 30);
    MousePress(A, {5, 5});
    MoveTo({137, 137});
    if (rightPress)
      MousePress(Surface.Form, {137, 137}, Qt::NoModifier, Qt::RightButton);
    else
      SendMessage(Surface.Form->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(Designer->DragState.Kind, dkNone);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(OverlayPixels(), 0);
    ReleaseAt({137, 137});
    EXPECT_EQ(A->BoundsRect(), Bounds(100, 100, 50, 30)) << "right press " << rightPress;
  }
}

}  // namespace
