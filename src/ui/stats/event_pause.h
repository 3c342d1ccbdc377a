// A pause that keeps the window alive: pending events (clicks, repaints, a running automatic
// run's Stop) are processed until the time is up, without spinning the processor.
#pragma once

#include <chrono>

namespace kragmoor {

// Processes events until `duration` has passed; returns at once for a duration of 0 or less,
// and early when the application is quitting.
void ProcessEventsFor(std::chrono::milliseconds duration);

}  // namespace kragmoor
