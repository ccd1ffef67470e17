#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "ExtCtrlsTestSupport.h"

namespace {

void PressKey(TWinControl* control, Qt::Key key) {
  QWidget* widget = WidgetOf(control);
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

TEST(TrackBar, KeysMoveThePositionByLineAndPageSizeAndFireOnChange) {
  TShownForm shown;
  auto* track = Place<TTrackBar>(shown.Form, 0, 0, 150, 45);
  track->SetMax(20);
  track->SetLineSize(2);
  track->SetPageSize(5);
  int changes = 0;
  track->OnChange = [&](TObject*) { ++changes; };
  struct TCase {
    Qt::Key Key;
    int32_t Position;
  };
  const TCase cases[] = {{Qt::Key_Right, 2}, {Qt::Key_PageDown, 7}, {Qt::Key_Left, 5}, {Qt::Key_End, 20}};
  for (const TCase& c : cases) {
    PressKey(track, c.Key);
    EXPECT_EQ(track->Position(), c.Position) << c.Key;
  }
  EXPECT_EQ(changes, 4);
  track->SetPosition(99);  // kept inside the range
  EXPECT_EQ(track->Position(), 20);
  EXPECT_EQ(changes, 4);  // unchanged: already at the end
  track->SetPosition(3);
  EXPECT_EQ(changes, 5);
  track->SetMax(2);
  EXPECT_EQ(track->Position(), 2);
}

TEST(TrackBar, TurningItTurnsItsBoundsExceptWhileLoading) {
  auto* track = new TTrackBar(nullptr);
  track->SetBounds(1, 2, 150, 45);
  track->SetOrientation(trVertical);
  EXPECT_EQ(track->BoundsRect(), Bounds(1, 2, 45, 150));
  track->Free();
}

TEST(ProgressBar, StepItWrapsAndStepByStopsAtTheEnds) {
  struct TCase {
    int32_t Min, Max, Position, Step;
    bool StepIt;  // else StepBy(Step)
    int32_t After;
  };
  const TCase cases[] = {
      {0, 100, 20, 10, true, 30},  {0, 100, 95, 10, true, 5},   {10, 20, 18, 5, true, 13},
      {0, 100, 95, 10, false, 100}, {0, 100, 5, -10, false, 0}, {0, 100, 100, 10, true, 10},
  };
  for (const TCase& c : cases) {
    TProgressBar bar(nullptr);
    bar.SetMin(c.Min);
    bar.SetMax(c.Max);
    bar.SetPosition(c.Position);
    bar.SetStep(c.Step);
    if (c.StepIt)
      bar.StepIt();
    else
      bar.StepBy(c.Step);
    EXPECT_EQ(bar.Position(), c.After) << c.Position << " + " << c.Step;
  }
}

}  // namespace
