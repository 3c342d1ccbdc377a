#include "cli/interrupt_catcher.h"

namespace kragmoor::cli {

namespace {

// A lock-free atomic is all a signal handler may touch.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void CatchInterrupt(int) {
    interrupted.store(true);
#ifdef _WIN32
    // Windows' C runtime gives SIGINT back to its default, which ends the process, before it calls
    // a handler: a second Ctrl+C must find this one again.
    std::signal(SIGINT, CatchInterrupt);
#endif
}

}  // namespace

#ifdef _WIN32

InterruptCatcher::InterruptCatcher() {
    interrupted.store(false);
    previous_ = std::signal(SIGINT, CatchInterrupt);
}

InterruptCatcher::~InterruptCatcher() {
    std::signal(SIGINT, previous_);
}

#else

InterruptCatcher::InterruptCatcher() {
    interrupted.store(false);
    struct sigaction action {};
    action.sa_handler = CatchInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // a write the signal lands in goes on
    sigaction(SIGINT, &action, &previous_);
}

InterruptCatcher::~InterruptCatcher() {
    sigaction(SIGINT, &previous_, nullptr);
}

#endif

const std::atomic<bool>& InterruptCatcher::Flag() const {
    return interrupted;
}

}  // namespace kragmoor::cli
