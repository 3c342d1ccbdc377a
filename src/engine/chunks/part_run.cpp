#include "engine/chunks/part_run.h"

#include "engine/chunks/part_file.h"
#include "engine/play/headless_run.h"

namespace kragmoor {

namespace {

std::string FirstFailure(const std::vector<RunNotice>& notices) {
    for (const RunNotice& notice : notices) {
        if (notice.kind == RunNotice::Kind::WriteFailed && !notice.message.empty()) {
            return notice.message;
        }
    }
    return "a chunk's log could not be written";
}

}  // namespace

PartResult PlayPart(Session& session, const PartPlan& plan, const PartProgress& progress) {
    ChunkedRun run(session, plan.run);
    PartResult result;
    result.first_chunk = FirstChunkOfPart(run.Chunks(), plan.part, plan.parts);
    result.end_chunk = FirstChunkOfPart(run.Chunks(), plan.part + 1, plan.parts);
    result.file = PartFileName(plan.part, plan.parts);
    const PartHeader header{plan.version,
                            plan.definition_hash,
                            session.definition.Seed,
                            plan.run.games,
                            HeadlessRun::StopsAt(plan.run.games),
                            plan.parts,
                            plan.part,
                            result.first_chunk,
                            result.end_chunk,
                            plan.run.sequential,
                            plan.run.selected_reel};
    PartWriter writer;
    if (!writer.Open(session.dir, header)) {
        result.failure = writer.Failure();
        return result;
    }
    std::int64_t win = 0, bet = 0;
    bool chunk_failed = false;
    run.PlayEach(result.first_chunk, result.end_chunk,
                 [&](const ChunkResult& chunk, const ChunkLogs& logs) {
                     if (chunk.write_failed) {
                         result.failure = FirstFailure(chunk.notices);
                         chunk_failed = true;
                         return false;
                     }
                     if (!writer.Add(chunk, logs)) return false;
                     result.games = chunk.state.Games - header.first_chunk * kChunkGames;
                     win += chunk.state.TotalWin;
                     bet += chunk.state.TotalBet;
                     if (progress) progress(result.games, win, bet);
                     return true;
                 });
    if (run.Result().write_failed) {
        result.failure = FirstFailure(run.Result().notices);
    } else if (!chunk_failed && writer.Failure().empty()) {
        result.ok = writer.Commit();
    }
    if (!result.ok && result.failure.empty()) result.failure = writer.Failure();
    return result;
}

}  // namespace kragmoor
