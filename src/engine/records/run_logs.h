// The records a run writes to its three logs, which are given to it (the session's, or files of
// one's own): a line of five wilds to Jackpot.txt, a finished feature to FreeSpins.txt and the
// blue window's RTP to Percent_10000.txt. Records are built in one reused buffer, so that
// writing one allocates nothing. A log that cannot be written is told once to the listener given
// (the play's run status, which ends a run going on); the other logs go on.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/log_file.h"

namespace kragmoor {

// Hears of a log that cannot be written, with the message naming it and the system's reason.
class LogFailureListener {
  public:
    virtual void LogFailed(std::string_view message) = 0;

  protected:
    ~LogFailureListener() = default;
};

class RunLogs {
  public:
    RunLogs(LogFiles& files, LogFailureListener& listener);

    // The game number right-aligned in 8 characters, the line number (0..19 shown as 1..20) as
    // a field in the next print zone and, for a free spin, "  Free Spin" in the zone after it.
    void Jackpot(std::int64_t game, int line, bool free_spin);
    // The triggering game right-aligned in 10 characters, the spins played in 5, and the
    // feature's win in units of the total bet.
    void Feature(std::int64_t trigger_game, std::int64_t spins, float win);
    // The blue window's RTP in percent ("00.000000"), then the game count as a number field in
    // the next print zone.
    void Percent(double percent, std::int64_t games);

    // Hands the buffered records to the system, so that they can be read during a run.
    void Flush();
    // Closes the three logs (at Exit); false when any of them failed. Failures are told by
    // TellFailures, once the run has ended.
    bool Close();
    // Tells each log that has failed since, once.
    void TellFailures();

  private:
    void Write(LogFile& log, const std::string& record);

    LogFiles& files_;
    LogFailureListener& listener_;
    std::string record_;
    std::array<bool, 3> told_{};  // Percent, Jackpot, FreeSpins
};

}  // namespace kragmoor
