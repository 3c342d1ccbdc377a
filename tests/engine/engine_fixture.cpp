#include "engine_fixture.h"

#include "rng/rng.h"

namespace kragmoor::test {

void EngineTest::Start() {
    ASSERT_TRUE(logs.Percent.Create(dir.path() / "Percent_10000.txt"));
    ASSERT_TRUE(logs.Jackpot.Create(dir.path() / "Jackpot.txt"));
    ASSERT_TRUE(logs.FreeSpins.Create(dir.path() / "FreeSpins.txt"));
    control = std::make_unique<RunControl>(def, logs, dir.path(), &observer);
    rng_Init(1);  // every test draws the same stops, whatever ran before it
}

void EngineTest::SetNextStops(const std::array<int, kReels>& stops) {
    control->SetRandomStops(false);
    std::array<int, kReels> s = stops;
    // One step back on the odometer: the rightmost reel turns fastest.
    for (int r = kReels - 1; r >= 0; --r) {
        if (s[r] > 0) {
            --s[r];
            break;
        }
        s[r] = def.ReelLen[r];
    }
    for (int r = 0; r < kReels; ++r) st().ReelStop[r] = static_cast<std::int16_t>(s[r]);
}

void EngineTest::PlayBaseAt(const std::array<int, kReels>& stops) {
    SetNextStops(stops);
    ++st().Games;
    control->PlayBaseGame();
}

std::string EngineTest::File(const char* name) {
    logs.FlushAll();
    return ReadFile(dir.path() / name);
}

std::vector<std::string> EngineTest::Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void NoShortPays(GameDefinition& def) {
    for (auto& row : def.PayTable) {
        row[0] = 0;
        row[1] = 0;
    }
}

}  // namespace kragmoor::test
