#include "clock/period_timer.h"

namespace numvella {

PeriodTimer::PeriodTimer(std::unique_ptr<TimerBackend> backend) : backend_(std::move(backend)) {
  backend_->onTick = [this] {
    if (period_ > 0 && onTick) onTick();
  };
}

void PeriodTimer::setPeriod(int milliseconds) {
  if (milliseconds < 0) milliseconds = 0;
  if (milliseconds == period_) return;
  period_ = milliseconds;
  backend_->stop();
  if (period_ > 0) backend_->start(period_);
}

}  // namespace numvella
