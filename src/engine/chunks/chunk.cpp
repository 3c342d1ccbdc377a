#include "engine/chunks/chunk.h"

#include <utility>

#include "engine/play/headless_run.h"
#include "engine/play/simulator.h"

namespace kragmoor {
namespace {

// Where the odometer stands after `games` games from the loader's stops: the combination of game
// `games` (all last positions before the first game), reel 4 turning fastest.
void OdometerStopsAfter(const GameDefinition& def, std::int64_t games,
                        std::int16_t (&stops)[kReels]) {
    std::int64_t cycle = 1;
    for (int r = 0; r < kReels; ++r) cycle *= def.ReelLen[r] + 1;
    // Game g shows combination g - 1 of the cycle; before the first, the last one.
    std::int64_t combination = ((games - 1) % cycle + cycle) % cycle;
    for (int r = kReels - 1; r >= 0; --r) {
        const std::int64_t positions = def.ReelLen[r] + 1;
        stops[r] = static_cast<std::int16_t>(combination % positions);
        combination /= positions;
    }
}

// Keeps the totals of every chart point, in room reserved before the first game.
class ChartTrail : public RunObserver {
  public:
    ChartTrail(Simulator& engine, std::vector<ChartTotals>& points, std::int64_t games)
        : engine_(engine), points_(points) {
        points_.reserve(static_cast<std::size_t>(games / kYieldEvery + 2));
        engine_.AddObserver(this);
    }
    ~ChartTrail() override { engine_.RemoveObserver(this); }
    ChartTrail(const ChartTrail&) = delete;
    ChartTrail& operator=(const ChartTrail&) = delete;

    void ChartPointAdded(const ChartPoint& point) override { points_.push_back(point.totals); }

  private:
    Simulator& engine_;
    std::vector<ChartTotals>& points_;
};

}  // namespace

std::shared_ptr<const GameTables> ChunkTables(const GameDefinition& def) {
    GameDefinition chunk = def;
    chunk.CycleGames = 0;
    return GameTables::Build(chunk);
}

ChunkResult PlayChunk(std::shared_ptr<const GameTables> tables, LogFiles& logs,
                      const std::filesystem::path& dir, const Chunk& chunk, rng_Stream& stream) {
    const GameDefinition& def = tables->definition;
    RunState start = LoaderState(def);
    start.Games = chunk.games_before;
    if (chunk.sequential) OdometerStopsAfter(def, chunk.games_before, start.ReelStop);
    Simulator engine(std::move(tables), logs, dir, start, chunk.games_before / kYieldEvery,
                     StopDraws(stream));
    if (chunk.chart != nullptr) engine.Chart() = *chunk.chart;
    if (chunk.sequential) {
        engine.SetRandomStops(false);
        engine.SelectReel(chunk.selected_reel);
    }
    ChunkResult result;
    {
        ChartTrail trail(engine, result.chart_points, chunk.games_end - chunk.games_before);
        HeadlessRun run(engine, chunk.games_end);
        run.Play();
        result.restarts = run.Restarts();
        result.ended_by_itself = run.EndedByItself();
        engine.CompleteRound();
        engine.Exit();
        result.notices = run.Notices();
    }
    result.state = engine.State();
    result.write_failed = engine.WriteFailed();
    return result;
}

}  // namespace kragmoor
