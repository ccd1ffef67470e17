#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>

#include "ExtCtrlsTestSupport.h"

namespace {

TEST(Timer, RunsOnlyEnabledWithAnIntervalAndAHandler) {
  struct TCase {
    bool Enabled;
    uint32_t Interval;
    bool Handler;
    bool Designing;
    bool Running;
  };
  const TCase cases[] = {
      {true, 10, true, false, true},   {false, 10, true, false, false},
      {true, 0, true, false, false},   {true, 10, false, false, false},
      {true, 10, true, true, false},
  };
  for (const TCase& c : cases) {
    TComponent owner(nullptr);
    if (c.Designing) owner.SetDesigning(true);
    auto* timer = new TTimer(&owner);
    if (c.Designing) timer->SetDesigning(true);
    timer->SetInterval(c.Interval);
    timer->SetEnabled(c.Enabled);
    if (c.Handler) timer->SetOnTimer([](TObject*) {});
    EXPECT_EQ(timer->Running(), c.Running)
        << c.Enabled << " " << c.Interval << " " << c.Handler << " " << c.Designing;
  }
}

TEST(Timer, FiresFromTheMessageLoopUntilDisabledAndMayFreeItself) {
  auto* timer = new TTimer(nullptr);
  int fired = 0;
  timer->SetInterval(1);
  timer->SetOnTimer([&](TObject*) {
    if (++fired == 3) timer->SetEnabled(false);
  });
  while (timer->Running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  EXPECT_EQ(fired, 3);
  timer->SetOnTimer([&](TObject* sender) {
    ++fired;
    delete sender;  // a handler may end its own timer
  });
  timer->SetEnabled(true);
  while (fired < 4) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  EXPECT_EQ(fired, 4);
}

}  // namespace
