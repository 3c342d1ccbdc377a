#include "engine/chunks/part_merge.h"

#include <algorithm>
#include <map>
#include <system_error>

#include "engine/play/headless_run.h"

namespace kragmoor {

namespace {

std::string NameOf(const std::filesystem::path& path) {
    return path.filename().string();
}

std::string Games(std::int64_t games) {
    return std::to_string(games);
}

std::string Mode(const PartHeader& h) {
    return h.sequential ? "odometer stops on reel " + std::to_string(h.selected_reel)
                        : std::string("random stops");
}

// What keeps a part from the run `origin` and `first` (the first part read) stand for; "" when
// nothing does.
std::string Mismatch(const PartHeader& h, const PartOrigin& origin, const PartHeader& first) {
    if (h.version != origin.version) {
        return "written by kragmoor-sim " + h.version + ", this is " + origin.version;
    }
    if (h.seed != origin.seed) {
        return "played with seed " + std::to_string(h.seed) + ", ReelSetup.ini has " +
               std::to_string(origin.seed);
    }
    if (h.definition_hash != origin.definition_hash) {
        return "played on another ReelSetup.ini than this directory's (its contents differ)";
    }
    if (h.games != first.games) {
        return "a part of a run of " + Games(h.games) + " games, not " + Games(first.games);
    }
    if (h.parts != first.parts) {
        return "one of " + std::to_string(h.parts) + " parts, not " + std::to_string(first.parts);
    }
    if (h.sequential != first.sequential ||
        (h.sequential && h.selected_reel != first.selected_reel)) {
        return "played with " + Mode(h) + ", not " + Mode(first);
    }
    const std::int64_t chunks = (h.games_end + kChunkGames - 1) / kChunkGames;
    if (h.games_end != HeadlessRun::StopsAt(h.games) ||
        h.first_chunk != FirstChunkOfPart(chunks, h.part, h.parts) ||
        h.end_chunk != FirstChunkOfPart(chunks, h.part + 1, h.parts)) {
        return "damaged (its chunks are not those of its part)";
    }
    return {};
}

std::vector<std::filesystem::path> PartFiles(const std::filesystem::path& dir) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        const std::string name = NameOf(entry.path());
        if (name.ends_with(kPartSuffix)) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

bool FindParts(const std::filesystem::path& dir, const PartOrigin& origin, PartSet* parts,
               std::string* message) {
    const std::vector<std::filesystem::path> files = PartFiles(dir);
    if (files.empty()) {
        *message = "no part files (*" + std::string(kPartSuffix) + ") in " + dir.string();
        return false;
    }
    std::map<std::int64_t, std::filesystem::path> found;
    for (const std::filesystem::path& file : files) {
        PartReader reader;
        if (!reader.Open(file) || !reader.Check()) {
            *message = reader.Failure();
            return false;
        }
        const PartHeader& h = reader.Header();
        if (found.empty()) parts->run = h;
        const std::string mismatch = Mismatch(h, origin, parts->run);
        if (!mismatch.empty()) {
            *message = NameOf(file) + ": " + mismatch;
            return false;
        }
        const auto [at, added] = found.emplace(h.part, file);
        if (!added) {
            *message = NameOf(file) + ": part " + std::to_string(h.part) + " of " +
                       std::to_string(h.parts) + " twice: " + NameOf(at->second) + " is too";
            return false;
        }
    }
    for (std::int64_t part = 0; part < parts->run.parts; ++part) {
        const auto at = found.find(part);
        if (at == found.end()) {
            *message = PartFileName(part, parts->run.parts) + ": missing (part " +
                       std::to_string(part) + " of " + std::to_string(parts->run.parts) + ")";
            return false;
        }
        parts->files.push_back(at->second);
    }
    return true;
}

bool MergeParts(const PartSet& parts, ChunkedRun& run, const ChunkProgress& progress,
                std::string* message) {
    for (const std::filesystem::path& file : parts.files) {
        PartReader reader;
        if (!reader.Open(file)) {
            *message = reader.Failure();
            return false;
        }
        const PartHeader& h = reader.Header();
        for (std::int64_t k = h.first_chunk; k < h.end_chunk; ++k) {
            ChunkResult chunk;
            if (!reader.NextChunk(chunk)) {
                *message = reader.Failure();
                return false;
            }
            const auto append = [&reader](LogFiles& logs, std::string* why) {
                return reader.AppendLogs(logs, why);
            };
            if (!run.Add(chunk, append, progress)) return true;  // told in the run's result
        }
    }
    return true;
}

}  // namespace kragmoor
