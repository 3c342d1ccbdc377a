#include "cli/run_parts.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <string>

#include "cli/progress.h"
#include "cli/run_games.h"
#include "engine/chunks/part_file.h"
#include "engine/chunks/part_merge.h"
#include "engine/chunks/part_run.h"
#include "engine/play/headless_run.h"
#include "engine/play/session.h"
#include "engine/rules/feature_bound.h"
#include "model/text_format.h"

namespace kragmoor::cli {

namespace {

std::filesystem::path DefinitionFile(const std::filesystem::path& dir) {
    return (dir.empty() || dir == ".") ? std::filesystem::path("ReelSetup.ini")
                                       : dir / "ReelSetup.ini";
}

// The definition as OpenSession reads and checks it, with nothing written, and the hash of its
// bytes. False, with the message told, when it cannot be read.
bool ReadGame(const Options& options, GameDefinition& def, std::uint64_t& hash,
              const Streams& streams) {
    const std::filesystem::path file = DefinitionFile(options.dir);
    try {
        def = ReadGameDefinition(options.dir);
        CheckFeaturesEnd(def, file.string());
    } catch (const std::exception& e) {
        streams.err << e.what() << '\n';
        return false;
    }
    if (!HashFile(file, &hash)) {
        streams.err << "kragmoor-sim: cannot read " << file.string() << '\n';
        return false;
    }
    return true;
}

}  // namespace

int RunPart(const Options& options, const Streams& streams) {
    Session session;
    session.dir = options.dir;
    std::uint64_t hash = 0;
    if (!ReadGame(options, session.definition, hash, streams)) return 1;
    // Each part draws from the seed's streams: a seed from the clock would differ from part to
    // part.
    if (session.definition.Seed < 0) {
        streams.err << "kragmoor-sim: " << DefinitionFile(options.dir).string()
                    << ": a run in parts needs a fixed seed (0 or more), not one drawn from the "
                       "clock\n";
        return 1;
    }
    session.definition_seed = session.definition.Seed;
    session.start = LoaderState(session.definition);
    const PartPlan plan{{options.games, options.sequential, options.selected_reel, options.threads},
                        options.part,
                        options.parts,
                        KRAGMOOR_VERSION,
                        hash};
    const std::int64_t chunks =
        (HeadlessRun::StopsAt(options.games) + kChunkGames - 1) / kChunkGames;
    const std::int64_t first = FirstChunkOfPart(chunks, options.part, options.parts);
    const std::int64_t end = FirstChunkOfPart(chunks, options.part + 1, options.parts);
    const std::int64_t target =
        std::min(end * kChunkGames, HeadlessRun::StopsAt(options.games)) - first * kChunkGames;
    ProgressBar bar(streams.terminal, target);
    PartProgress progress;
    if (bar.Active()) {
        progress = [&bar](std::int64_t games, std::int64_t win, std::int64_t bet) {
            bar.UpdateNow(games, win, bet);
        };
    }
    const PartResult result = PlayPart(session, plan, progress);
    bar.Finish();
    if (!result.ok) {
        streams.err << "kragmoor-sim: " << result.failure << '\n';
        return 1;
    }
    streams.err << "kragmoor-sim: part " << options.part << " of " << options.parts << ": "
                << (result.end_chunk - result.first_chunk) << " chunks, "
                << text::Decimal(result.games) << " games, in " << result.file << '\n';
    return 0;
}

int RunMerge(const Options& options, const Streams& streams) {
    GameDefinition def;
    std::uint64_t hash = 0;
    if (!ReadGame(options, def, hash, streams)) return 1;
    PartSet parts;
    std::string message;
    if (!FindParts(options.dir, {KRAGMOOR_VERSION, hash, def.Seed}, &parts, &message)) {
        streams.err << "kragmoor-sim: " << message << " (nothing written)\n";
        return 1;
    }
    Session session;
    if (!OpenOrTell(options, session, streams)) return 1;
    return RunMergedParts(options, session, parts, streams);
}

}  // namespace kragmoor::cli
