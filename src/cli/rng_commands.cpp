#include "cli/rng_commands.h"

#include <exception>
#include <iostream>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

#include "cli/rng_output.h"
#include "cli/rng_report.h"
#include "engine/play/session.h"

namespace kragmoor::cli {

int RngCommand(const Options& options, const Streams& streams) {
    GameDefinition def;
    try {
        def = ReadGameDefinition(options.dir);
    } catch (const std::exception& e) {
        streams.err << e.what() << '\n';
        return 1;
    }
    const std::int32_t seed = ResolveSeed(def.Seed);
    rng_Stream stream;
    rng_StreamInit(&stream, seed);
    if (options.rng_raw) {
#ifdef _WIN32
        // The words are bytes, not text: the standard output must not put a CR before an LF.
        if (&streams.out == &std::cout) _setmode(_fileno(stdout), _O_BINARY);
#endif
        WriteRawOutput(stream, streams.out);
        return 0;
    }
    if (options.rng_stops > 0) {
        WriteStopTuples(stream, def, options.rng_stops, streams.out);
        return 0;
    }
    const RngReport report = TestGameStops(
        def, seed, options.draws,
        [&](int reel) { return rng_StreamGenNumber(&stream, def.ReelLen[reel] + 1); },
        [&](int reel) { return rng_StreamGenNumber(&stream, def.FsReelLen[reel] + 1); });
    streams.out << (options.json ? RngReportJson(def, report) : RngReportText(def, report));
    return report.verdict.passed ? 0 : kRngReportFailed;
}

}  // namespace kragmoor::cli
