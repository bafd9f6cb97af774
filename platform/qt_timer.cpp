#include "platform/qt_timer.h"

namespace numvella {

QtTimerBackend::QtTimerBackend() {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (onTick) onTick();
  });
}

void QtTimerBackend::start(int milliseconds) { timer_.start(milliseconds); }
void QtTimerBackend::stop() { timer_.stop(); }

}  // namespace numvella
