#include "cli/rng_output.h"

#include <array>
#include <csignal>
#include <string>

namespace kragmoor::cli {

namespace {

// Writes are batched a few pages at a time; a tuple line is at most 5 x 4 characters.
constexpr std::size_t kRawBlockWords = 16384;
constexpr std::size_t kStopsBlockBytes = 65536;

bool WriteText(std::ostream& out, const std::string& text) {
    return static_cast<bool>(out.write(text.data(), static_cast<std::streamsize>(text.size())));
}

}  // namespace

void WriteRawOutput(rng_Stream& stream, std::ostream& out) {
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::array<std::uint32_t, kRawBlockWords> block;
    do {
        for (std::uint32_t& word : block) {
            word = static_cast<std::uint32_t>(rng_StreamNext(&stream) >> 32);
        }
    } while (out.write(reinterpret_cast<const char*>(block.data()),
                       static_cast<std::streamsize>(sizeof block)));
    out.clear();
}

void WriteStopTuples(rng_Stream& stream, const GameDefinition& def, std::int64_t tuples,
                     std::ostream& out) {
    std::string text;
    text.reserve(kStopsBlockBytes + 32);
    for (std::int64_t t = 0; t < tuples; ++t) {
        for (int r = 0; r < kReels; ++r) {
            if (r > 0) text += ' ';
            text += std::to_string(rng_StreamGenNumber(&stream, def.ReelLen[r] + 1));
        }
        text += '\n';
        if (text.size() >= kStopsBlockBytes) {
            if (!WriteText(out, text)) return;
            text.clear();
        }
    }
    WriteText(out, text);
}

}  // namespace kragmoor::cli
