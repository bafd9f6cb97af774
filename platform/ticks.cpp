#include "platform/ticks.h"

#include <chrono>
#include <thread>

namespace numvella {

uint32_t SystemTickCount() {
  // steady_clock counts from system start on Linux (CLOCK_MONOTONIC).
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SystemPause(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace numvella
