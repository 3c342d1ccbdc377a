#include "engine_fixture.h"

#include <stdexcept>
#include <string_view>

#include "rng/rng.h"

namespace kragmoor::test {

GameDefinition SmallGame() {
    GameDefinition def;
    def.GameRTP = 95.5f;
    for (int s = 0; s < kSymbols; ++s) {
        def.SymbolName[s] = std::to_string(s);
        def.SymbolName[s].insert(0, 1, 'S');  // not "S" + ...: GCC 12 at -O3 warns falsely
        for (int n = 0; n < kRunLengths; ++n)
            def.PayTable[s][n] = static_cast<std::int16_t>(100 * s + 10 * n + 1);
    }
    def.SymbolName[kWild] = "Wild";
    def.SymbolName[kScatter] = "Scatter";
    for (int r = 0; r < kReels; ++r) {
        def.ReelLen[r] = def.FsReelLen[r] = 29;
        for (int p = 0; p < 30; ++p)
            def.ReelStrip[p][r] = def.FsReelStrip[p][r] = static_cast<std::int16_t>(p % 11);
        for (int l = 0; l < kLines; ++l) def.LineTable[l][r] = kLineRows[l][r];
    }
    def.CycleGames = kCycleGames;
    def.ReportFileName = "Temp1.txt";
    return def;
}

void NoShortPays(GameDefinition& def) {
    for (auto& row : def.PayTable) row[0] = row[1] = 0;
}

void SetStrip(GameDefinition& def, int reel, const std::string& symbols, bool free_spins) {
    auto& strip = free_spins ? def.FsReelStrip : def.ReelStrip;
    for (std::size_t p = 0; p < symbols.size(); ++p) {
        const std::size_t code = std::string_view("0123456789AWS").find(symbols[p]);
        if (code == std::string_view::npos) throw std::invalid_argument("strip symbol");
        strip[p][reel] = static_cast<std::int16_t>(code);
    }
    (free_spins ? def.FsReelLen : def.ReelLen)[reel] =
        static_cast<std::int16_t>(symbols.size() - 1);
}

void CreateLogs(LogFiles& logs, const std::filesystem::path& dir) {
    for (auto [log, name] : {std::pair{&logs.Percent, "Percent_10000.txt"},
                             {&logs.Jackpot, "Jackpot.txt"},
                             {&logs.FreeSpins, "FreeSpins.txt"}})
        if (!log->Create(dir / name)) throw std::runtime_error("cannot create a log");
}

EngineParts::EngineParts(const GameDefinition& def, LogFiles& files, RunObserver& observer,
                         const std::filesystem::path& dir)
    : tables(GameTables::Build(def)),
      state(LoaderState(def)),
      status(state, observer),
      logs(files, status),
      statistics(tables->definition, state, status, logs, observer, dir, 0),
      rounds(*tables, state, status, logs, labels, observer, StopDraws()) {}

EngineTest::~EngineTest() {
    if (engine) engine->RemoveObserver(&observer);
}

void EngineTest::Start(const std::function<void(RunState&)>& prepare, std::int64_t points) {
    CreateLogs(logs, dir.path());
    RunState start = LoaderState(def);
    if (prepare) prepare(start);
    start_points_ = points;
    Make(start, points);
    rng_Init(1);  // every test draws the same stops, whatever ran before it
}

void EngineTest::Make(const RunState& start, std::int64_t points) {
    if (engine) engine->RemoveObserver(&observer);
    engine = std::make_unique<Simulator>(GameTables::Build(def), logs, dir.path(), start, points);
    engine->AddObserver(&observer);
}

void EngineTest::PrepareTrigger(char free_symbol) {
    NoShortPays(def);
    for (int r = 0; r < 3; ++r) def.ReelStrip[kTriggerStops[r]][r] = kScatter;
    for (int r = 0; free_symbol != 0 && r < kReels; ++r)
        SetStrip(def, r, std::string(30, free_symbol), true);
}

void EngineTest::SetNextGame(const std::array<int, kReels>& stops, std::int64_t game) {
    RunState state = engine->State();
    std::array<int, kReels> s = stops;
    for (int r = kReels - 1; r >= 0; --r) {  // one step back: the rightmost reel turns fastest
        if (s[r] > 0) {
            --s[r];
            break;
        }
        s[r] = def.ReelLen[r];
    }
    for (int r = 0; r < kReels; ++r) state.ReelStop[r] = static_cast<std::int16_t>(s[r]);
    state.Games = game - 1;
    const bool auto_stop = engine->AutoStop();
    Make(state, start_points_);
    engine->SetRandomStops(false);
    engine->SetAutoStop(auto_stop);
    engine->AddObserver(&observer);
}

void EngineTest::PlayBaseAt(const std::array<int, kReels>& stops, std::int64_t game) {
    SetNextGame(stops, game);
    sim().Step();
}

void EngineTest::StopAt(std::int64_t games) {
    observer.on_yield = [this, games] {
        if (sim().State().Games >= games && sim().Running()) sim().StartOrStop();
    };
}

std::string EngineTest::File(const char* name) {
    logs.FlushAll();
    return ReadFile(dir.path() / name);
}

}  // namespace kragmoor::test
