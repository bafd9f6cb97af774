// Small stand-ins for the main window's controls, for testing the game's
// handlers without any window.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <functional>

#include "clock/countdown.h"
#include "clock/period_timer.h"
#include "platform/script_engine.h"
#include "puzzle/game.h"

namespace numvella::testing {

class FakeBoard : public BoardControls {
 public:
  QString numbers[4] = {"10", "10", "10", "10"};
  bool easy = true;
  bool showAll = true;
  QString answerBox;
  bool busyVisible = false;
  QString expression;
  int resultWindowsOpened = 0;
  std::function<void()> whileResultWindowOpen;

  QString numberText(int i) const override { return numbers[i]; }
  void setNumberText(int i, const QString &t) override { numbers[i] = t; }
  bool easyChosen() const override { return easy; }
  bool showAllChosen() const override { return showAll; }
  void clearAnswerBox() override { answerBox.clear(); }
  void appendToAnswerBox(const QString &t) override { answerBox += t; }
  void showBusyNotice() override { busyVisible = true; }
  void hideBusyNotice() override { busyVisible = false; }
  QString expressionText() const override { return expression; }
  void openResultWindow() override {
    ++resultWindowsOpened;
    if (whileResultWindowOpen) whileResultWindowOpen();
  }

  QStringList lines() const { return answerBox.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts); }
  void setBoard(int a, int b, int c, int d) {
    numbers[0] = QString::number(a);
    numbers[1] = QString::number(b);
    numbers[2] = QString::number(c);
    numbers[3] = QString::number(d);
  }
};

// Fixed tick count; the pause only records what the answer box held.
struct FakeServices {
  uint32_t tick = 123456;
  QStringList answerBoxDuringPauses;
  Services services;
  explicit FakeServices(FakeBoard &board) {
    services.tickCount = [this] { return tick; };
    services.pause = [this, &board](int ms) {
      EXPECT_EQ(ms, 200);
      answerBoxDuringPauses << board.answerBox;
    };
    services.evaluate = Evaluate;
  }
};

// A timer the test fires by hand.
class ManualTimer : public TimerBackend {
 public:
  int running = 0;  // period while started, 0 when stopped
  int starts = 0;
  void start(int ms) override {
    running = ms;
    ++starts;
  }
  void stop() override { running = 0; }
  void fire() {
    if (running > 0 && onTick) onTick();
  }
};

}  // namespace numvella::testing
