// The system's millisecond tick count and the blocking pause.
#pragma once

#include <cstdint>

namespace numvella {

// Milliseconds since system start, wrapping at 32 bits.
uint32_t SystemTickCount();

// Blocks the thread; no events are processed meanwhile.
void SystemPause(int milliseconds);

}  // namespace numvella
