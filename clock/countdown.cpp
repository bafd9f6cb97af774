#include "clock/countdown.h"

#include "puzzle/text.h"

namespace numvella {

namespace {
const QString kStart = QStringLiteral("开始");
const QString kPause = QStringLiteral("暂停");

// A negative budget counts on below zero for ever; wrap rather than overflow.
int32_t minusOne(int32_t v) { return int32_t(uint32_t(v) - 1u); }

QString twoDigits(int32_t v) { return v < 10 ? QStringLiteral("0") + IntToText(v) : IntToText(v); }
}  // namespace

QString ClockText(int32_t hours, int32_t minutes, int32_t seconds) {
  return IntToText(hours) + u':' + twoDigits(minutes) + u':' + twoDigits(seconds);
}

void ResetClock(Clock &clock) {
  ProgramValues &v = clock.values;
  v.TotalSeconds = TextToInt(clock.controls.budgetText());
  // Division truncates toward zero and % keeps the dividend's sign; no
  // combination here can overflow (|TotalSeconds / 60| < 2^26).
  v.ClockHours = v.TotalSeconds / 3600;
  v.ClockMinutes = v.TotalSeconds / 60 - v.ClockHours * 60;
  v.ClockSeconds = v.TotalSeconds % 60;
}

void ToggleClock(Clock &clock) {
  if (clock.controls.startButtonCaption() != kStart) {
    clock.controls.setStartButtonCaption(kStart);
    clock.controls.setTimerPeriod(0);
    clock.controls.setPuzzleButtonsEnabled(false);
  } else {
    clock.controls.setTimerPeriod(1000);
    clock.controls.setStartButtonCaption(kPause);
    clock.controls.setPuzzleButtonsEnabled(true);
  }
}

void ClockTick(Clock &clock) {
  ProgramValues &v = clock.values;
  if (v.ClockSeconds != 0) {
    v.ClockSeconds = minusOne(v.ClockSeconds);
  } else if (v.ClockMinutes != 0) {
    v.ClockSeconds = 59;
    v.ClockMinutes = minusOne(v.ClockMinutes);
  } else if (v.ClockHours != 0) {
    v.ClockSeconds = 59;
    v.ClockMinutes = 59;
    v.ClockHours = minusOne(v.ClockHours);
  } else {
    // Started again after time-up, or a budget of 0: this game lasts a minute.
    v.ClockSeconds = 59;
    return;
  }
  clock.controls.setDisplay(ClockText(v.ClockHours, v.ClockMinutes, v.ClockSeconds));
  if (v.ClockHours == 0 && v.ClockMinutes == 0 && v.ClockSeconds == 0) {
    clock.controls.setTimerPeriod(0);
    clock.controls.showMessage(QStringLiteral("恭喜同学您答对了") + IntToText(v.Score) + QStringLiteral("题"));
    ToggleClock(clock);
    v.Score = 0;
  }
}

}  // namespace numvella
