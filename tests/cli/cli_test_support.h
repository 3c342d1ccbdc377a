// Runs kragmoor-sim in this process (the runner library) or as the built program, on a directory
// of its own.
#pragma once

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "../model/definition_text.h"
#include "cli/runner.h"

namespace kragmoor::test {

// The reference game as dir/ReelSetup.ini, with the text `from` in it replaced by `to`.
inline void CopyReferenceGame(const TempDir& dir, const std::string& from = "",
                              const std::string& to = "") {
    std::string game = ReadFile(TestData("g0/ReelSetup.ini"));
    game.replace(game.find(from), from.size(), to);
    WriteFile(dir / "ReelSetup.ini", game);
}

// One of the games beside the reference game, as dir/ReelSetup.ini: "endless" (reels 0..2 of
// the free spins all scatters), "at-bound" (they retrigger once in exactly 15 spins) and
// "just-under" (once in 15.01 spins).
inline void CopyFeatureBoundGame(const TempDir& dir, const std::string& name) {
    std::filesystem::copy_file(TestData("feature-bound/" + name + ".ini"), dir / "ReelSetup.ini",
                               std::filesystem::copy_options::overwrite_existing);
}

// The game count of the last save block of a report, as it shows it.
inline std::string SavedGames(const std::string& report) {
    const std::size_t at = report.rfind("\r\nGames     =");
    if (at == std::string::npos) return "<no save>";
    const std::size_t from = report.find_first_not_of(' ', at + 13);
    return report.substr(from, report.find("\r\n", from) - from);
}

struct RunResult {  // a run of kragmoor-sim
    int exit_code = -1;
    std::string out;
    std::string err;
};

inline RunResult RunInProcess(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const std::vector<std::string_view> views(args.begin(), args.end());
    const int exit_code = cli::Main(views, {out, err, nullptr});
    return {exit_code, out.str(), err.str()};
}

inline std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

// The value of a row of a summary: its label, padded to `width` characters, then the value.
inline std::string Row(const std::string& summary, const std::string& label,
                       std::size_t width = 22) {
    for (const std::string& line : OutputLines(summary)) {
        if (line.size() > width && line.starts_with(label) &&
            line.find_first_not_of(' ', label.size()) == width) {
            return line.substr(width);
        }
    }
    return "<no row " + label + ">";
}

// The exit code of the command std::system ran: POSIX gives a wait status, Windows the code itself.
inline int ExitCode(int status) {
#ifdef _WIN32
    return status;
#else
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

// What a program wrote to a redirected standard stream. Windows writes the C runtime's text mode,
// CR LF, where POSIX writes LF: the text is the same.
inline std::string RedirectedText(const std::filesystem::path& file) {
    std::string text = ReadFile(file);
#ifdef _WIN32
    std::string lf;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
    }
    text = lf;
#endif
    return text;
}

// Runs the built kragmoor-sim with `args` (already quoted for the shell) in `dir`. Windows' shell
// changes the drive only with /d, and takes the program's path from the drive it starts on.
inline RunResult RunSim(const TempDir& dir, const std::string& args) {
    const std::filesystem::path out = dir.path().string() + ".out",
                                err = dir.path().string() + ".err";
#ifdef _WIN32
    const std::string cd = "cd /d \"", sim = std::filesystem::absolute(KRAGMOOR_SIM).string();
#else
    const std::string cd = "cd \"", sim = KRAGMOOR_SIM;
#endif
    const std::string command = cd + dir.path().string() + "\" && \"" + sim + "\" " + args +
                                " >\"" + out.string() + "\" 2>\"" + err.string() + "\"";
    const int status = std::system(command.c_str());
    RunResult result{ExitCode(status), RedirectedText(out), RedirectedText(err)};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

}  // namespace kragmoor::test
