// The progress bar of a long run on a terminal: games played out of the target, the RTP so far,
// games per second and the time left, redrawn a few times a second on one line of stderr.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>

namespace kragmoor::cli {

class ProgressBar {
  public:
    // Draws nothing unless `stream` is a terminal.
    ProgressBar(std::FILE* stream, std::int64_t target_games);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    bool Active() const { return active_; }

    // Cheap enough for every yield: reads the clock only every few calls and redraws at most
    // five times a second.
    void Update(std::int64_t games, std::int64_t total_win, std::int64_t total_bet);

    // Clears the line, so that the summary starts on a clean one.
    void Finish();

    // The line as drawn, for a given state (no terminal needed).
    static std::string Line(std::int64_t games, std::int64_t target, std::int64_t total_win,
                            std::int64_t total_bet, double seconds, std::size_t width);

  private:
    std::FILE* stream_;
    std::int64_t target_;
    bool active_ = false;
    unsigned calls_ = 0;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point last_draw_;
};

}  // namespace kragmoor::cli
