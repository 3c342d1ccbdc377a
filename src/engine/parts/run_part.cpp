#include "engine/parts/run_part.h"

#include <utility>

#include "engine/play/headless_run.h"
#include "engine/play/simulator.h"

namespace kragmoor {

std::shared_ptr<const GameTables> RunPartTables(const GameDefinition& def) {
    GameDefinition part = def;
    part.CycleGames = 0;
    return GameTables::Build(part);
}

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

RunPartResult PlayRunPart(std::shared_ptr<const GameTables> tables, LogFiles& logs,
                          const std::filesystem::path& dir, const RunPart& part,
                          rng_Stream& stream) {
    const GameDefinition& def = tables->definition;
    RunState start = LoaderState(def);
    start.Games = part.games_before;
    if (part.sequential) OdometerStopsAfter(def, part.games_before, start.ReelStop);
    Simulator engine(std::move(tables), logs, dir, start, part.games_before / kYieldEvery,
                     StopDraws(stream));
    if (part.sequential) {
        engine.SetRandomStops(false);
        engine.SelectReel(part.selected_reel);
    }
    RunPartResult result;
    {
        HeadlessRun run(engine, part.games_end);
        run.Play();
        result.restarts = run.Restarts();
        result.ended_by_itself = run.EndedByItself();
        engine.CompleteRound();
        engine.Exit();
        result.messages = run.Messages();
    }
    result.state = engine.State();
    result.write_failed = engine.WriteFailed();
    return result;
}

}  // namespace kragmoor
