// The countdown of a timed game: budget, start/pause, reset, the tick and
// time-up.
#pragma once

#include <QString>

#include "puzzle/game.h"

namespace numvella {

// What the clock does with the main window's controls.
class ClockControls {
 public:
  virtual ~ClockControls() = default;
  virtual QString budgetText() const = 0;                 // 编辑框2
  virtual QString startButtonCaption() const = 0;         // 计时按钮
  virtual void setStartButtonCaption(const QString &) = 0;
  virtual void setTimerPeriod(int milliseconds) = 0;      // 倒计时
  virtual void setPuzzleButtonsEnabled(bool enabled) = 0; // 按钮1, 按钮2
  virtual void setDisplay(const QString &text) = 0;       // 透明标签2
  virtual void showMessage(const QString &text) = 0;      // modal message box
};

struct Clock {
  ProgramValues &values;
  ClockControls &controls;
};

// Remaining time from the budget field; neither starts nor stops the clock.
void ResetClock(Clock &clock);
// Start when stopped, pause when running.
void ToggleClock(Clock &clock);
// One second passes.
void ClockTick(Clock &clock);

// "h:mm:ss" with no leading zero on the hours.
QString ClockText(int32_t hours, int32_t minutes, int32_t seconds);

}  // namespace numvella
