// The countdown through its real handlers on fake controls, with a timer the
// test fires by hand.
#include <gtest/gtest.h>

#include "fake_controls.h"

using namespace numvella;
using namespace numvella::testing;

namespace {

struct FakeClockControls : ClockControls {
  QString budget = "300";
  QString caption = "开始";
  PeriodTimer *timer = nullptr;
  bool puzzleButtons = false;
  QString display;
  QStringList messages;
  std::function<void()> duringMessage;

  QString budgetText() const override { return budget; }
  QString startButtonCaption() const override { return caption; }
  void setStartButtonCaption(const QString &c) override { caption = c; }
  void setTimerPeriod(int ms) override { timer->setPeriod(ms); }
  void setPuzzleButtonsEnabled(bool e) override { puzzleButtons = e; }
  void setDisplay(const QString &t) override { display = t; }
  void showMessage(const QString &t) override {
    messages << t;
    if (duringMessage) duringMessage();
  }
};

struct ClockFixture : ::testing::Test {
  ManualTimer *backend = new ManualTimer;
  PeriodTimer timer{std::unique_ptr<TimerBackend>(backend)};
  FakeClockControls controls;
  ProgramValues values;
  Clock clock{values, controls};

  ClockFixture() {
    controls.timer = &timer;
    timer.onTick = [this] { ClockTick(clock); };
  }
  void start(const char *budget) {
    controls.budget = QString::fromUtf8(budget);
    ResetClock(clock);
    ToggleClock(clock);
  }
  // Fires n ticks and returns the display after each.
  QStringList ticks(int n) {
    QStringList shown;
    for (int i = 0; i < n; ++i) {
      backend->fire();
      shown << controls.display;
    }
    return shown;
  }
};

}  // namespace

TEST_F(ClockFixture, FiveMinuteGameCountsDownAndAnnouncesTheScore) {
  start("300");
  EXPECT_EQ(controls.caption, "暂停");
  EXPECT_TRUE(controls.puzzleButtons);
  EXPECT_EQ(backend->running, 1000);
  values.Score = 3;
  controls.duringMessage = [&] {
    EXPECT_EQ(backend->running, 0) << "stopped before the message";
    EXPECT_EQ(controls.caption, "暂停");
    EXPECT_EQ(values.Score, 3);
  };
  const QStringList shown = ticks(300);
  EXPECT_EQ(shown[0], "0:04:59");
  EXPECT_EQ(shown[59], "0:04:00");
  EXPECT_EQ(shown[290], "0:00:09");
  EXPECT_EQ(shown[299], "0:00:00");
  EXPECT_EQ(controls.messages, QStringList{"恭喜同学您答对了3题"});
  EXPECT_EQ(controls.caption, "开始");
  EXPECT_FALSE(controls.puzzleButtons);
  EXPECT_EQ(values.Score, 0);
  EXPECT_EQ(backend->running, 0);
}

TEST_F(ClockFixture, HoursShowWithoutLeadingZero) {
  start("3660");
  const QStringList shown = ticks(62);
  EXPECT_EQ(shown[0], "1:00:59");
  EXPECT_EQ(shown[59], "1:00:00");
  EXPECT_EQ(shown[60], "0:59:59");
  start("5");  // pauses: ToggleClock from running
  ToggleClock(clock);
  EXPECT_EQ(ticks(1), QStringList{"0:00:04"});
}

TEST_F(ClockFixture, RestartAfterTimeUpWithoutResetLastsSixtyTicks) {
  start("2");
  ticks(2);
  ASSERT_EQ(controls.messages.size(), 1);
  ToggleClock(clock);
  const QStringList shown = ticks(60);
  EXPECT_EQ(shown[0], "0:00:00") << "the first tick shows nothing new";
  EXPECT_EQ(shown[1], "0:00:58");
  EXPECT_EQ(controls.messages.size(), 2);
  EXPECT_EQ(controls.messages.last(), "恭喜同学您答对了0题");
}

TEST_F(ClockFixture, PauseKeepsTheRemainingTime) {
  start("300");
  ticks(10);
  ToggleClock(clock);
  EXPECT_EQ(controls.caption, "开始");
  EXPECT_EQ(backend->running, 0);
  ticks(5);  // a stopped timer delivers nothing
  ToggleClock(clock);
  EXPECT_EQ(ticks(1), QStringList{"0:04:49"});
}

TEST_F(ClockFixture, ResetReadsTheBudgetWithoutTouchingTheTimer) {
  start("300");
  ticks(3);
  controls.budget = "90";
  ResetClock(clock);
  EXPECT_EQ(backend->running, 1000);
  EXPECT_EQ(controls.display, "0:04:57") << "reset does not write the display";
  EXPECT_EQ(ticks(1), QStringList{"0:01:29"});
  for (auto [budget, h, m, s] : {std::tuple{"abc", 0, 0, 0}, std::tuple{"-61", 0, -1, -1},
                                 std::tuple{"7384.9", 2, 3, 4}}) {
    controls.budget = budget;
    ResetClock(clock);
    EXPECT_EQ(std::tuple(values.ClockHours, values.ClockMinutes, values.ClockSeconds), std::tuple(h, m, s)) << budget;
  }
}

TEST_F(ClockFixture, ExtremeBudgetsCountWithoutOverflow) {
  start("-1e999");  // saturates to the smallest 32-bit value
  EXPECT_EQ(values.TotalSeconds, std::numeric_limits<int32_t>::min());
  ticks(3);  // seconds count on below zero; never time-up
  EXPECT_TRUE(controls.messages.isEmpty());
  values.ClockSeconds = std::numeric_limits<int32_t>::min();
  ticks(1);  // wraps instead of overflowing
  EXPECT_EQ(values.ClockSeconds, std::numeric_limits<int32_t>::max());
  start("1e999");
  ToggleClock(clock);
  EXPECT_EQ(ticks(1), QStringList{"596523:14:06"});
}

TEST(PeriodTimer, PeriodSemantics) {
  auto *backend = new ManualTimer;
  PeriodTimer timer{std::unique_ptr<TimerBackend>(backend)};
  int ticks = 0;
  timer.onTick = [&] { ++ticks; };
  timer.setPeriod(1000);
  EXPECT_EQ(backend->starts, 1);
  timer.setPeriod(1000);  // the same value again changes nothing
  EXPECT_EQ(backend->starts, 1);
  timer.setPeriod(500);  // a new value restarts
  EXPECT_EQ(backend->starts, 2);
  EXPECT_EQ(backend->running, 500);
  backend->fire();
  EXPECT_EQ(ticks, 1);
  timer.setPeriod(0);
  EXPECT_EQ(backend->running, 0);
  backend->fire();
  EXPECT_EQ(ticks, 1);
}
