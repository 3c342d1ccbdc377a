// The progress bars of a terminal: that of a long run (games played out of the target, the RTP so
// far, games per second and the time left) and that of a long exact analysis (the share of its
// work done and the time left), each redrawn a few times a second on one line of stderr.
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

    // For rare calls, such as one a chunk of a million games: reads the clock every time, and
    // redraws at most five times a second.
    void UpdateNow(std::int64_t games, std::int64_t total_win, std::int64_t total_bet);

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

// The exact analysis of a game takes a fraction of a second on short reels but up to a minute
// on reels of 101 positions; its bar shows only once it has taken over a second.
class AnalysisBar {
  public:
    // Draws nothing unless `stream` is a terminal. `start`: when the analysis started.
    AnalysisBar(std::FILE* stream, std::chrono::steady_clock::time_point start);
    ~AnalysisBar();
    AnalysisBar(const AnalysisBar&) = delete;
    AnalysisBar& operator=(const AnalysisBar&) = delete;

    // `fraction`: the share of the work done (0..1). Redraws at most five times a second.
    void Update(double fraction);

    // Clears the line when anything was drawn.
    void Finish();

    // The line as drawn, for a given state (no terminal needed).
    static std::string Line(double fraction, double seconds, std::size_t width);

  private:
    std::FILE* stream_;
    bool active_ = false;
    bool drawn_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point last_draw_;
};

}  // namespace kragmoor::cli
