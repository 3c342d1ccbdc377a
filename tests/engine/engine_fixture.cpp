#include "engine_fixture.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "rng/rng.h"

namespace kragmoor::test {

GameDefinition SmallGame() {
    GameDefinition def;
    def.GameRTP = 95.5f;
    for (int s = 0; s < kSymbols; ++s) {
        def.Figures[s] = std::to_string(s);
        def.Figures[s].insert(0, 1, 'S');  // GCC 12 at -O3 warns falsely on "S" + string
        for (int n = 0; n < kRunLengths; ++n) {
            def.PayTable[s][n] = static_cast<std::int16_t>(100 * s + 10 * n + 1);
        }
    }
    def.Figures[kWild] = "Wild";
    def.Figures[kScatter] = "Scatter";
    for (int r = 0; r < kReels; ++r) {
        def.ReelLen[r] = def.FsReelLen[r] = 29;
        for (int p = 0; p < 30; ++p) {
            def.ReelStrip[p][r] = def.FsReelStrip[p][r] = static_cast<std::int16_t>(p % 11);
        }
        for (int l = 0; l < kLines; ++l) def.LineTable[l][r] = kLineRows[l][r];
    }
    def.CycleGames = 100000000;
    def.ReportFileName = "Temp1.txt";
    return def;
}

void NoShortPays(GameDefinition& def) {
    for (auto& row : def.PayTable) row[0] = row[1] = 0;
}

void SetStrip(GameDefinition& def, int reel, const std::string& symbols, bool free_spins) {
    auto& strip = free_spins ? def.FsReelStrip : def.ReelStrip;
    for (std::size_t p = 0; p < symbols.size(); ++p) {
        // The character's place is the symbol's code: 'A' is 10, 'W' the wild, 'S' the scatter.
        const std::size_t code = std::string_view("0123456789AWS").find(symbols[p]);
        if (code == std::string_view::npos) throw std::invalid_argument("strip symbol");
        strip[p][reel] = static_cast<std::int16_t>(code);
    }
    (free_spins ? def.FsReelLen : def.ReelLen)[reel] =
        static_cast<std::int16_t>(symbols.size() - 1);
}

TempDir::TempDir() {
    std::random_device rd;
    do {
        path_ = std::filesystem::temp_directory_path() /
                ("kragmoor-engine-" + std::to_string(rd()) + std::to_string(rd()));
    } while (!std::filesystem::create_directory(path_));
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void EngineTest::Start() {
    ASSERT_TRUE(logs.Percent.Create(dir.path() / "Percent_10000.txt"));
    ASSERT_TRUE(logs.Jackpot.Create(dir.path() / "Jackpot.txt"));
    ASSERT_TRUE(logs.FreeSpins.Create(dir.path() / "FreeSpins.txt"));
    control = std::make_unique<RunControl>(def, logs, dir.path(), &observer);
    rng_Init(1);  // every test draws the same stops, whatever ran before it
}

void EngineTest::PrepareTrigger(char free_symbol) {
    NoShortPays(def);
    for (int r = 0; r < 3; ++r) def.ReelStrip[kTriggerStops[r]][r] = kScatter;
    for (int r = 0; free_symbol != 0 && r < kReels; ++r) {
        SetStrip(def, r, std::string(30, free_symbol), true);
    }
}

void EngineTest::SetNextGame(const std::array<int, kReels>& stops, std::int64_t game) {
    control->SetRandomStops(false);
    std::array<int, kReels> s = stops;
    for (int r = kReels - 1; r >= 0; --r) {  // one step back: the rightmost reel turns fastest
        if (s[r] > 0) {
            --s[r];
            break;
        }
        s[r] = def.ReelLen[r];
    }
    for (int r = 0; r < kReels; ++r) st().ReelStop[r] = static_cast<std::int16_t>(s[r]);
    st().Games = game - 1;
}

void EngineTest::PlayBaseAt(const std::array<int, kReels>& stops, std::int64_t game) {
    SetNextGame(stops, game);
    ++st().Games;
    control->PlayBaseGame();
}

void EngineTest::StopAt(std::int64_t games) {
    observer.on_yield = [this, games] {
        if (rc().State().Games >= games && rc().Running()) rc().cmdAUTO_Click();
    };
}

std::string EngineTest::File(const char* name) {
    logs.FlushAll();
    return ReadFile(dir.path() / name);
}

}  // namespace kragmoor::test
