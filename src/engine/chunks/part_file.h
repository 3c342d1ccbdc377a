// A part file: what a run played in parts (kragmoor-sim --part I/P) keeps of each of its chunks
// for the merge, in the order played. Binary, every integer fixed-width little-endian:
//
//   header  "KRAGPART", format version (u32), program version (u32 length + bytes), FNV-1a 64
//           hash of ReelSetup.ini's bytes (u64), seed, games as asked, games as rounded, parts,
//           part, first chunk, end chunk (i64 each), sequential (u8), selected reel (i64)
//   chunks  for each chunk: restarts (i64), ended by itself (u8), notices (u32 count, then kind
//           u8, games i64, message u32 length + bytes), the run state field by field in the
//           order RunState declares them (bool u8, float as its u32 bits), then the records of
//           Percent_10000.txt, Jackpot.txt and FreeSpins.txt (u64 length + bytes each)
//   trailer FNV-1a 64 hash of every byte before it (u64)
//
// A file is written under a temporary name beside its own and renamed once complete, so that a
// part killed half way leaves no file the merge would take.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/chunks/chunk.h"
#include "engine/chunks/chunk_logs.h"
#include "model/log_file.h"

namespace kragmoor {

inline constexpr std::uint32_t kPartFormat = 1;
inline constexpr char kPartSuffix[] = ".kragmoor-part";
inline constexpr std::int64_t kMaxParts = 9999;

struct PartHeader {
    std::string version;  // KRAGMOOR_VERSION of the program that played it
    std::uint64_t definition_hash = 0;
    std::int64_t seed = 0;
    std::int64_t games = 0;      // as asked
    std::int64_t games_end = 0;  // as rounded: the run's last game
    std::int64_t parts = 1;
    std::int64_t part = 0;  // 0-based
    std::int64_t first_chunk = 0;
    std::int64_t end_chunk = 0;
    bool sequential = false;
    std::int64_t selected_reel = 0;
};

// The chunks part `part` of `parts` plays of a run of `chunks`: [chunks * part / parts,
// chunks * (part + 1) / parts), so that the parts follow one another and differ by one chunk
// at most.
std::int64_t FirstChunkOfPart(std::int64_t chunks, std::int64_t part, std::int64_t parts);

// "part-0002-of-0003.kragmoor-part" for part 2 of 3.
std::string PartFileName(std::int64_t part, std::int64_t parts);

// FNV-1a 64 of the file's bytes; false when it cannot be read.
bool HashFile(const std::filesystem::path& path, std::uint64_t* hash);

class PartWriter {
  public:
    PartWriter() = default;
    ~PartWriter();
    PartWriter(const PartWriter&) = delete;
    PartWriter& operator=(const PartWriter&) = delete;

    // Starts dir/PartFileName under its temporary name and writes the header.
    bool Open(const std::filesystem::path& dir, const PartHeader& header);
    // A chunk played without a failure, and its closed logs.
    bool Add(const ChunkResult& chunk, const ChunkLogs& logs);
    // Writes the trailer, closes the file and gives it its name, replacing a file of an earlier
    // run of the part.
    bool Commit();
    // What failed: the file and the system's reason.
    const std::string& Failure() const { return failure_; }

  private:
    bool Put(const void* bytes, std::size_t size);
    bool Fail(const std::string& what);

    std::FILE* file_ = nullptr;
    std::filesystem::path temporary_, final_;
    std::uint64_t hash_ = 0;
    std::string failure_;
};

class PartReader {
  public:
    PartReader() = default;
    ~PartReader();
    PartReader(const PartReader&) = delete;
    PartReader& operator=(const PartReader&) = delete;

    // Opens the file and reads its header.
    bool Open(const std::filesystem::path& path);
    const PartHeader& Header() const { return header_; }
    // Reads the rest of the file and checks it against its trailer, as a whole; the reader is
    // spent.
    bool Check();
    // The next chunk's result, its logs left to AppendLogs, which must follow.
    bool NextChunk(ChunkResult& chunk);
    bool AppendLogs(LogFiles& run, std::string* message);
    // What is wrong with the file, its name first.
    const std::string& Failure() const { return failure_; }

  private:
    bool Get(void* bytes, std::size_t size);
    bool Fail(const std::string& what);

    std::FILE* file_ = nullptr;
    std::filesystem::path path_;
    PartHeader header_;
    std::uint64_t hash_ = 0;
    std::uint64_t read_ = 0;  // bytes read so far
    std::string failure_;
};

}  // namespace kragmoor
