// Ticks from a Qt timer: delivered by whichever event loop runs (the main
// loop, a modal window's wait, a message box), at most one late tick at a time.
#pragma once

#include <QTimer>

#include "clock/period_timer.h"

namespace numvella {

class QtTimerBackend : public TimerBackend {
 public:
  QtTimerBackend();
  void start(int milliseconds) override;
  void stop() override;

 private:
  QTimer timer_;
};

}  // namespace numvella
