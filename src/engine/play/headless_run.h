// An automatic run with nothing shown, as the headless runner and the whole-run tests play it:
// Run is started as the player would start it; at the first yield at or after the
// requested game count a Stop ends the run; a run that ends by itself before that (sequential
// stepping past the selected reel, the CycleGames end with its save) is started again. A file
// that cannot be written ends it for good.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/play/run_observer.h"
#include "engine/play/simulator.h"

namespace kragmoor {

class HeadlessRun : public RunObserver {
  public:
    // Called at every yield (every 100 games) with the engine; keep it cheap.
    using Progress = std::function<void(const Simulator&)>;

    // The most games a run can be asked for.
    static constexpr std::int64_t kMaxGames = 1'000'000'000'000;

    // The game count at which a run asked for `games` (0..kMaxGames) stops: yields come every
    // 100 games, so it is rounded up to a multiple of 100. std::out_of_range for other counts.
    static std::int64_t StopsAt(std::int64_t games);

    // Observes the engine for the life of the object.
    HeadlessRun(Simulator& engine, std::int64_t games, Progress progress = {});
    ~HeadlessRun() override;
    HeadlessRun(const HeadlessRun&) = delete;
    HeadlessRun& operator=(const HeadlessRun&) = delete;

    // Plays until the yield at StopsAt(games), or until a file could not be written. Returns at
    // once when the count has already been reached.
    void Play();

    // The notices the run was told (a CycleGames end, a file that could not be written), in
    // order.
    const std::vector<RunNotice>& Notices() const { return notices_; }
    // How often a run that had ended by itself was started again.
    std::int64_t Restarts() const { return restarts_; }
    // The last run ended by itself (the odometer, a CycleGames end, a file that could not be
    // written) rather than by the Stop at the count.
    bool EndedByItself() const { return !stopped_; }

    void Yield() override;
    void CycleEnded(std::int64_t games) override;
    void WriteFailed(std::string_view message) override;

  private:
    Simulator& engine_;
    std::int64_t target_;
    Progress progress_;
    bool stopped_ = false;
    std::int64_t restarts_ = 0;
    std::vector<RunNotice> notices_;
};

}  // namespace kragmoor
