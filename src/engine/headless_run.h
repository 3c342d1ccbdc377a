// An automatic run with nothing shown, as the headless runner and the whole-run tests play it:
// Run is clicked as the window's button would be; at the first yield at or after the requested
// game count a Stop click ends the run; a run that ends by itself before that (sequential
// stepping past the selected reel, the CycleGames end with its save) is started again.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/run_control.h"
#include "engine/run_observer.h"

namespace kragmoor {

class HeadlessRun : public RunObserver {
  public:
    // Called at every yield (every 100 games) with the run control; keep it cheap.
    using Progress = std::function<void(const RunControl&)>;

    // Installs itself as the run control's observer for the life of the object.
    HeadlessRun(RunControl& control, std::int64_t games, Progress progress = {});
    ~HeadlessRun() override;
    HeadlessRun(const HeadlessRun&) = delete;
    HeadlessRun& operator=(const HeadlessRun&) = delete;

    // Plays until the yield at or after the requested count (rounded up to a multiple of 100).
    // Returns at once when the count has already been reached.
    void Play();

    // The notices the run showed (" Games!" at a CycleGames end, a file that could not be
    // written), in order.
    const std::vector<std::string>& Messages() const { return messages_; }

    void Yield() override;
    void Message(std::string_view text) override;

  private:
    RunControl& control_;
    std::int64_t target_;
    Progress progress_;
    bool stopped_ = false;
    std::vector<std::string> messages_;
};

}  // namespace kragmoor
