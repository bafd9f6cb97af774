// 倒计时: a periodic timer driven by its period, as the countdown expects:
// period 0 stops it; a new positive period restarts it, the first tick one
// period later; setting the current period again changes nothing.  Ticks
// never pile up: the backend delivers at most one late tick.
#pragma once

#include <functional>
#include <memory>

namespace numvella {

// What actually makes ticks: a Qt timer in the program, a hand-driven one in
// tests.
class TimerBackend {
 public:
  virtual ~TimerBackend() = default;
  virtual void start(int milliseconds) = 0;  // (re)starts; first tick one period later
  virtual void stop() = 0;
  std::function<void()> onTick;
};

class PeriodTimer {
 public:
  explicit PeriodTimer(std::unique_ptr<TimerBackend> backend);
  void setPeriod(int milliseconds);
  int period() const { return period_; }
  TimerBackend &backend() { return *backend_; }
  std::function<void()> onTick;

 private:
  std::unique_ptr<TimerBackend> backend_;
  int period_ = 0;
};

}  // namespace numvella
