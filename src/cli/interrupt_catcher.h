// Ctrl+C while the runner computes its exact analysis: instead of killing the process halfway
// through, SIGINT only sets a flag, which the runner polls to cancel the analysis and stop.
#pragma once

#include <atomic>
#include <csignal>

namespace kragmoor::cli {

class InterruptCatcher {
  public:
    // Clears the flag and catches SIGINT from now on.
    InterruptCatcher();
    // Gives SIGINT back to the handler it had before.
    ~InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

    // Set by a SIGINT caught since the catcher was made.
    const std::atomic<bool>& Flag() const;
    bool Caught() const { return Flag().load(); }

  private:
#ifdef _WIN32
    void (*previous_)(int) = nullptr;
#else
    struct sigaction previous_ {};
#endif
};

}  // namespace kragmoor::cli
