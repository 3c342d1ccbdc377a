// A text file the simulator keeps open and appends records to for the life of a session
// (Jackpot.txt, FreeSpins.txt, Percent_10000.txt). Writes are buffered so that a run of millions
// of games costs no system call per record, and memory stays flat however long the run is.
// Every write, flush and close is checked: the first failure is kept with the system's reason,
// and nothing more is written to a log that has failed.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/output_file.h"

namespace kragmoor {

class LogFile {
  public:
    // Creates the file empty (replacing an earlier one) and keeps it open. False on failure,
    // Reason() telling why.
    bool Create(const std::filesystem::path& path);

    // Appends text as it stands; the caller writes the CR LF line ends. Ignored once closed.
    // False when the log has failed, now or before.
    bool Write(std::string_view text);

    // Hands buffered records to the operating system, so that others can read them during a run.
    bool Flush();

    bool Close();
    bool IsOpen() const { return file_.IsOpen(); }

    bool Failed() const { return file_.Failed(); }
    std::string Reason() const { return file_.Reason(); }
    // The file's name, as messages name it.
    const std::string& Name() const { return name_; }
    // "Cannot write FreeSpins.txt: No space left on device"
    std::string FailureMessage() const;

  private:
    OutputFile file_;
    std::string name_;
};

// The three logs created empty at load.
struct LogFiles {
    LogFile Percent;    // "Percent_10000.txt"
    LogFile Jackpot;    // "Jackpot.txt"
    LogFile FreeSpins;  // "FreeSpins.txt"

    // False when any of them has failed.
    bool FlushAll();
    bool CloseAll();
};

}  // namespace kragmoor
