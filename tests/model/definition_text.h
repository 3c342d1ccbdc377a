// A small valid game definition as lines, for tests that change one thing in it. The
// command-line tests share this header.
#pragma once

#include <string>
#include <vector>

#include "test_support.h"

namespace kragmoor::test {

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
inline std::vector<std::string> SmallGameLines() {
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

}  // namespace kragmoor::test
