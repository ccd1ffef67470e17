// The grab handles around a single selected control and the corner marks of
// a multi-selection, driven by real clicks on a designed form.

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "DesignerTestSupport.h"
#include "platform/controls/stdctrls/Button.h"
#include "platform/controls/stdctrls/Edit.h"
#include "platform/windows/QtWindows.h"

namespace {

class GrabTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Button = AddControl<TButton>(Surface.Form, Surface.Form, "Button1", 40, 30, 75, 25);
    Edit = AddControl<TEdit>(Surface.Form, Surface.Form, "Edit1", 200, 120, 121, 21);
    Designer = CreateDesigner(Surface.Form, &Inspector);
    ProcessEvents();
  }

  // Where handle i stands, in the form's client coordinates.
  TPoint HandlePlace(int i) {
    TGrabHandle* handle = Designer->Grab->Handles[i];
    POINT p{0, 0};
    MapWindowPoints(handle->Handle(), Surface.Form->Handle(), &p, 1);
    return p;
  }
  bool HandlesShown() {
    for (TGrabHandle* handle : Designer->Grab->Handles)
      if (!IsWindowVisible(handle->Handle())) return false;
    return true;
  }
  QImage Snapshot() { return WindowWidget(Surface.Form->Handle())->grab().toImage(); }

  // Declared first so that it outlives the form, whose designer tells it
  // of the form's end.
  TRecordingInspector Inspector;
  TDesignedForm Surface;
  TButton* Button = nullptr;
  TEdit* Edit = nullptr;
  TObjectEditor* Designer = nullptr;
};

TEST_F(GrabTest, AClickSelectsAndPlacesEightHandlesAroundTheControl) {
  MousePress(Button, {10, 10});
  MouseRelease(Button, {10, 10});

  ASSERT_EQ(Designer->Selection, std::vector<TControl*>{Button});
  EXPECT_TRUE(HandlesShown());
  EXPECT_FALSE(Designer->IsModified);
  // Bounds (40, 30)-(115, 55): last column 114, last row 54.
  const TPoint expected[8] = {{38, 28}, {74, 28}, {112, 28}, {112, 39},
                              {112, 52}, {74, 52}, {38, 52},  {38, 39}};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(HandlePlace(i), expected[i]) << "handle " << i;
  EXPECT_EQ(GetWindowLongPtr(Designer->Grab->Handles[0]->Handle(), GWL_USERDATA), GrabHandleMark);
}

TEST_F(GrabTest, TheHandlesFollowTheControlMovedFromCode) {
  MousePress(Button, {10, 10});
  MouseRelease(Button, {10, 10});

  Button->SetBounds(100, 100, 40, 20);
  EXPECT_EQ(HandlePlace(0), (TPoint{98, 98}));
  EXPECT_EQ(HandlePlace(4), (TPoint{137, 117}));
}

TEST_F(GrabTest, TwoSelectedShowCornerMarksAndNoHandlesUntilOneIsRemoved) {
  MousePress(Button, {10, 10});
  MouseRelease(Button, {10, 10});
  MousePress(Edit, {10, 10}, Qt::ShiftModifier);
  MouseRelease(Edit, {10, 10}, Qt::ShiftModifier);
  ASSERT_EQ(Designer->Selection.size(), 2u);
  EXPECT_FALSE(Designer->Grab->Visible);

  QImage image = Snapshot();
  const QColor mark(128, 128, 128);
  for (TControl* item : Designer->Selection) {
    TRect r = item->BoundsRect();
    for (QPoint corner : {QPoint(r.Left + 1, r.Top + 1), QPoint(r.Right - 2, r.Top + 1),
                          QPoint(r.Right - 2, r.Bottom - 2), QPoint(r.Left + 1, r.Bottom - 2)})
      EXPECT_EQ(image.pixelColor(corner), mark) << item->Name() << " at " << corner.x() << ","
                                                << corner.y();
  }

  MousePress(Edit, {10, 10}, Qt::ShiftModifier);
  MouseRelease(Edit, {10, 10}, Qt::ShiftModifier);
  ASSERT_EQ(Designer->Selection, std::vector<TControl*>{Button});
  EXPECT_TRUE(HandlesShown());
  ProcessEvents();
  // Off the handles: the top-right mark of the button is gone.
  EXPECT_NE(Snapshot().pixelColor(110, 34), mark);
}

}  // namespace
