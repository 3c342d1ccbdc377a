#include "test_game.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace kragmoor::test {

GameDefinition SmallGame() {
    GameDefinition def;
    def.GameVersion = "test";
    def.GameRTP = 95.5f;
    def.Seed = 1;
    for (int s = 0; s < kSymbols; ++s) {
        def.SymbolName[s] = std::to_string(s);
        def.SymbolName[s].insert(0, 1, 'S');  // GCC 12 at -O3 warns falsely on "S" + string
    }
    def.SymbolName[kWild] = "Wild";
    def.SymbolName[kScatter] = "Scatter";
    def.Figures = def.SymbolName;
    def.ReelMaxIndex = 29;
    def.FsReelMaxIndex = 29;
    for (int r = 0; r < kReels; ++r) {
        def.ReelLen[r] = 29;
        def.FsReelLen[r] = 29;
        for (int p = 0; p < 30; ++p) {
            def.ReelStrip[p][r] = static_cast<std::int16_t>(p % 11);
            def.FsReelStrip[p][r] = static_cast<std::int16_t>(p % 11);
        }
    }
    FillDistinctPays(def);
    for (int l = 0; l < kLines; ++l) {
        for (int r = 0; r < kReels; ++r) {
            def.LineTable[l][r] = kLineRows[l][r];
            def.LineShape[l][r] = kLineShapes[l][r];
        }
    }
    def.CycleGames = 100000000;
    def.ReportFileName = "Temp1.txt";
    return def;
}

void FillDistinctPays(GameDefinition& def) {
    for (int s = 0; s < kSymbols; ++s) {
        for (int n = 0; n < kRunLengths; ++n) {
            def.PayTable[s][n] = static_cast<std::int16_t>(100 * s + 10 * n + 1);
        }
    }
}

void SetStrip(GameDefinition& def, int reel, const std::string& symbols, bool free_spins) {
    // One character per position: '0'..'9' and 'A' for the ordinary symbols, 'W' the wild,
    // 'S' the scatter.
    auto& strip = free_spins ? def.FsReelStrip : def.ReelStrip;
    auto& len = free_spins ? def.FsReelLen : def.ReelLen;
    for (std::size_t p = 0; p < symbols.size(); ++p) {
        const char c = symbols[p];
        std::int16_t code = 0;
        if (c >= '0' && c <= '9')
            code = static_cast<std::int16_t>(c - '0');
        else if (c == 'A')
            code = 10;
        else if (c == 'W')
            code = kWild;
        else if (c == 'S')
            code = kScatter;
        else
            throw std::invalid_argument("strip symbol");
        strip[p][reel] = code;
    }
    len[reel] = static_cast<std::int16_t>(symbols.size() - 1);
}

TempDir::TempDir() {
    std::random_device rd;
    for (;;) {
        path_ = std::filesystem::temp_directory_path() /
                (std::string("kragmoor-engine-") + std::to_string(rd()) + std::to_string(rd()));
        if (std::filesystem::create_directory(path_)) break;
    }
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

}  // namespace kragmoor::test
