// A working directory of its own for each test, and a way to run the built kragmoor-sim in it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace kragmoor::testing {

inline const std::string kTestData = KRAGMOOR_TEST_DATA;

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class WorkDir {
  public:
    WorkDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("kragmoor cli " + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                 std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~WorkDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const char* name) const { return path_ / name; }

    void CopyReferenceGame() const {
        std::filesystem::copy_file(kTestData + "/g0/ReelSetup.ini", path_ / "ReelSetup.ini");
    }

    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

  private:
    std::filesystem::path path_;
};

struct RunResult {
    int exit_code = -1;
    std::string out;
    std::string err;
};

// Runs kragmoor-sim with `args` (already quoted for the shell) from the directory `cwd`.
inline RunResult RunSim(const std::filesystem::path& cwd, const std::string& args) {
    const std::filesystem::path out = cwd.parent_path() / (cwd.filename().string() + ".out");
    const std::filesystem::path err = cwd.parent_path() / (cwd.filename().string() + ".err");
    const std::string command = "cd \"" + cwd.string() + "\" && \"" KRAGMOOR_SIM "\" " + args +
                                " >\"" + out.string() + "\" 2>\"" + err.string() + "\"";
    const int status = std::system(command.c_str());
    RunResult result;
#ifdef _WIN32
    result.exit_code = status;
#else
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    result.out = ReadFile(out);
    result.err = ReadFile(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

inline std::string Quoted(const std::filesystem::path& p) {
    return "\"" + p.string() + "\"";
}

}  // namespace kragmoor::testing
