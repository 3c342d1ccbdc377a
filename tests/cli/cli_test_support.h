// Runs the built kragmoor-sim in a directory of its own, with the model tests' file helpers.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "../model/definition_text.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace kragmoor::testing {

inline void CopyReferenceGame(const ScratchDir& dir) {
    std::filesystem::copy_file(kTestData + "/g0/ReelSetup.ini", dir / "ReelSetup.ini");
}

// The reference game with one text in it replaced, as dir/ReelSetup.ini.
inline void WriteReferenceGameWith(const ScratchDir& dir, const std::string& from,
                                   const std::string& to) {
    std::string game = ReadFile(kTestData + "/g0/ReelSetup.ini");
    game.replace(game.find(from), from.size(), to);
    WriteFile(dir / "ReelSetup.ini", game);
}

struct RunResult {
    int exit_code = -1;
    std::string out;
    std::string err;
};

// Runs kragmoor-sim with `args` (already quoted for the shell) in `dir`, or from `cwd` when given.
inline RunResult RunSim(const ScratchDir& dir, const std::string& args,
                        std::filesystem::path cwd = {}) {
    if (cwd.empty()) cwd = dir.path();
    const std::filesystem::path out = dir.path().string() + ".out",
                                err = dir.path().string() + ".err";
    const std::string command = "cd \"" + cwd.string() + "\" && \"" KRAGMOOR_SIM "\" " + args +
                                " >\"" + out.string() + "\" 2>\"" + err.string() + "\"";
    const int status = std::system(command.c_str());
#ifdef _WIN32
    RunResult result{status, ReadFile(out), ReadFile(err)};
#else
    RunResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
#endif
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

}  // namespace kragmoor::testing
