// Files and directories for tests, and a small valid game definition as lines for tests that
// change one thing in it. The command-line tests share this header.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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

// Lines without their CR LF.
inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line); lines.push_back(line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    return lines;
}

inline std::string Join(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string s;
    for (const auto& line : lines) s += line + end;
    return s;
}

// A directory of its own for one test (tests run in parallel; the blank in its name checks that
// paths are quoted), removed afterwards.
class ScratchDir {
  public:
    ScratchDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("kragmoor " + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
                 std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const char* name) const { return path_ / name; }

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

// Line numbers (1-based) of the small game below.
enum SmallGameLine {
    kVersionLine = 3,
    kRtpLine = 4,
    kRngLine = 11,
    kSeedLine = 12,
    kFirstBaseRow = 14,  // 3 rows
    kFreeSpinsLine = 17,
    kFirstFreeRow = 18,  // 3 rows
    kWinLinesLine = 21,
    kFirstPayRow = 23,  // 13 rows
};

// Symbols S0..S10, Wild and Scatter; three rows in each strip section, all reels full.
inline std::vector<std::string> SmallGame() {
    std::vector<std::string> lines = {
        "  Company: www.example.test",
        "Game Name: Kragmoor",
        "  Version: small 2",
        " Game RTP: 95,12 %",
        "     Date: 01.01.2026  00:00:00",
        "=======================================",
        "   Design: Quorvane Ltd.",
        "    Email: math@example.test",
        "      Web: www.example.test",
        "=======================================",
        "RNG DESCRIPTION",
        "SEED = 7",
        "REEL STRIP",
        "S0,S1,S2,S3,S4, _",
        "S5,S6,S7,S8,S9, _",
        "S10,Wild,Scatter,S0,S1, _",
        "FREE SPINS REEL STRIP",
        "Wild,Wild,Wild,Wild,Wild, _",
        "S1,S2,S3,S4,S5, _",
        "Scatter,Scatter,Scatter,Scatter,Scatter, _",
        "WIN LINE DESCRIPTION",
        "PAYTABLE DESCRIPTION",
    };
    for (int i = 0; i <= 10; ++i) {
        std::string name = "S" + std::to_string(i) + ",";
        name.resize(11, ' ');
        lines.push_back(" " + name + "0,0," + std::to_string(i) + "," + std::to_string(10 * i) +
                        "," + std::to_string(100 * i) + ", _");
    }
    lines.push_back(" Wild,      0,10,50,500,2500, _");
    lines.push_back(" Scatter,   0,1,4,20,100, _");
    return lines;
}

inline std::string& At(std::vector<std::string>& lines, int line_number) {
    return lines.at(static_cast<std::size_t>(line_number - 1));
}

}  // namespace kragmoor::testing
