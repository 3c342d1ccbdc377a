#include "engine/chunks/part_file.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <type_traits>
#include <vector>

#include "model/output_file.h"

namespace kragmoor {

namespace {

constexpr char kMagic[8] = {'K', 'R', 'A', 'G', 'P', 'A', 'R', 'T'};
constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;
constexpr std::size_t kBlock = 64 * 1024;
constexpr char kCutShort[] = "cut short (damaged, or still being written)";
constexpr std::uint32_t kMaxText = 1 << 20;  // a version or a notice: anything longer is damage

std::uint64_t Fnv(std::uint64_t hash, const void* bytes, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ p[i]) * kFnvPrime;
    return hash;
}

// The run state's fields in the order RunState declares them: the one list both directions use.
// A field added to RunState must be added here too, and kPartFormat raised; the size of today's
// fields on a 64-bit target is the reminder.
static_assert(sizeof(void*) != 8 || sizeof(RunState) == 27080,
              "RunState changed: update EachField and kPartFormat");
template <typename State, typename Field>
void EachField(State& s, Field&& f) {
    f(s.ReelStop), f(s.FsReelStop), f(s.Window), f(s.LineOutcomes), f(s.HitCount), f(s.WinSum);
    f(s.Games), f(s.TotalBet), f(s.TotalWin), f(s.WinEvents), f(s.FreeGames), f(s.FreeWin);
    f(s.InFreeSpins), f(s.FeatureWin), f(s.FreeSpinsPlayed), f(s.LastFeatureWin);
    f(s.FreeSpinNo), f(s.FeatureSpins), f(s.WinAtGameStart), f(s.JackpotLines);
    f(s.FreeSpinsTotal), f(s.SelectedReel), f(s.LossStreak), f(s.LossStreakHits);
    f(s.OpeningLosses), f(s.OpeningWon), f(s.Credit), f(s.CreditTotal);
}

// The header after the version, in the order the format lists it.
template <typename Header, typename Field>
void EachHeaderField(Header& h, Field&& f) {
    f(h.definition_hash), f(h.seed), f(h.games), f(h.games_end), f(h.parts), f(h.part);
    f(h.first_chunk), f(h.end_chunk), f(h.sequential), f(h.selected_reel);
}

// Values as fixed-width little-endian bytes: integers at their width, bool as one byte, float
// as its bits.
struct Encoder {
    std::string bytes;

    template <typename T>
    void operator()(const T& value) {
        if constexpr (std::is_array_v<T>) {
            for (const auto& element : value) (*this)(element);
        } else if constexpr (std::is_same_v<T, float>) {
            (*this)(std::bit_cast<std::uint32_t>(value));
        } else if constexpr (std::is_same_v<T, bool>) {
            bytes += static_cast<char>(value ? 1 : 0);
        } else {
            auto u = static_cast<std::make_unsigned_t<T>>(value);
            for (std::size_t i = 0; i < sizeof(T); ++i) {
                bytes += static_cast<char>(u & 0xFFu);
                u = static_cast<std::make_unsigned_t<T>>(u >> 4 >> 4);
            }
        }
    }
    void Text(const std::string& text) {
        (*this)(static_cast<std::uint32_t>(text.size()));
        bytes += text;
    }
};

struct Decoder {
    const unsigned char* at;
    std::size_t left;
    bool ok = true;

    template <typename T>
    void operator()(T& value) {
        if constexpr (std::is_array_v<T>) {
            for (auto& element : value) (*this)(element);
        } else if constexpr (std::is_same_v<T, float>) {
            std::uint32_t bits = 0;
            (*this)(bits);
            value = std::bit_cast<float>(bits);
        } else if constexpr (std::is_same_v<T, bool>) {
            std::uint8_t byte = 0;
            (*this)(byte);
            ok = ok && byte <= 1;
            value = byte == 1;
        } else {
            if (left < sizeof(T)) {
                ok = false;
                return;
            }
            std::make_unsigned_t<T> u = 0;
            for (std::size_t i = sizeof(T); i-- > 0;) {
                u = static_cast<std::make_unsigned_t<T>>((u << 4 << 4) | at[i]);
            }
            value = static_cast<T>(u);
            at += sizeof(T);
            left -= sizeof(T);
        }
    }
};

std::size_t HeaderFieldsSize() {
    const PartHeader header;
    Encoder e;
    EachHeaderField(header, e);
    return e.bytes.size();
}

std::size_t StateSize() {
    static const std::size_t size = [] {
        const RunState state;
        Encoder e;
        EachField(state, e);
        return e.bytes.size();
    }();
    return size;
}

std::string NameOf(const std::filesystem::path& path) {
    return path.filename().string();
}

}  // namespace

std::int64_t FirstChunkOfPart(std::int64_t chunks, std::int64_t part, std::int64_t parts) {
    // At most 10^6 chunks (10^12 games) and 9999 parts: the product cannot overflow.
    return chunks * part / parts;
}

std::string PartFileName(std::int64_t part, std::int64_t parts) {
    const auto four_digits = [](std::int64_t n) {
        const std::string digits = std::to_string(n);
        return std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
    };
    return "part-" + four_digits(part) + "-of-" + four_digits(parts) + kPartSuffix;
}

bool HashFile(const std::filesystem::path& path, std::uint64_t* hash) {
    std::FILE* in = OpenFile(path, "rb");
    if (in == nullptr) return false;
    std::vector<char> block(kBlock);
    *hash = kFnvOffset;
    std::size_t read = 0;
    while ((read = std::fread(block.data(), 1, block.size(), in)) > 0) {
        *hash = Fnv(*hash, block.data(), read);
    }
    const bool ok = std::ferror(in) == 0;
    std::fclose(in);
    return ok;
}

// ---- writing

PartWriter::~PartWriter() {
    if (file_ == nullptr) return;
    std::fclose(file_);
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
}

bool PartWriter::Fail(const std::string& what) {
    if (failure_.empty()) failure_ = "Cannot write " + NameOf(temporary_) + ": " + what;
    return false;
}

bool PartWriter::Put(const void* bytes, std::size_t size) {
    if (!failure_.empty()) return false;
    hash_ = Fnv(hash_, bytes, size);
    if (std::fwrite(bytes, 1, size, file_) != size) return Fail(std::strerror(errno));
    return true;
}

bool PartWriter::Open(const std::filesystem::path& dir, const PartHeader& header) {
    final_ = dir / PartFileName(header.part, header.parts);
    temporary_ = final_;
    temporary_ += ".tmp";
    hash_ = kFnvOffset;
    file_ = OpenFile(temporary_, "wb");
    if (file_ == nullptr) return Fail(std::strerror(errno));
    Encoder e;
    e.bytes.assign(kMagic, sizeof kMagic);
    e(kPartFormat);
    e.Text(header.version);
    EachHeaderField(header, e);
    return Put(e.bytes.data(), e.bytes.size());
}

bool PartWriter::Add(const ChunkResult& chunk, const ChunkLogs& logs) {
    Encoder e;
    e(chunk.restarts);
    e(chunk.ended_by_itself);
    e(static_cast<std::uint32_t>(chunk.notices.size()));
    for (const RunNotice& notice : chunk.notices) {
        e(static_cast<std::uint8_t>(notice.kind));
        e(notice.games);
        e.Text(notice.message);
    }
    EachField(chunk.state, e);
    if (!Put(e.bytes.data(), e.bytes.size())) return false;
    for (int log = 0; log < 3; ++log) {
        const std::filesystem::path& path = logs.Path(log);
        std::error_code error;
        const std::uint64_t size = std::filesystem::file_size(path, error);
        if (error) return Fail("cannot read " + NameOf(path) + ": " + error.message());
        Encoder length;
        length(size);
        if (!Put(length.bytes.data(), length.bytes.size())) return false;
        std::FILE* in = OpenFile(path, "rb");
        if (in == nullptr) return Fail("cannot read " + NameOf(path) + ": " + std::strerror(errno));
        std::vector<char> block(kBlock);
        std::uint64_t copied = 0;
        std::size_t read = 0;
        while ((read = std::fread(block.data(), 1, block.size(), in)) > 0 && copied < size) {
            const std::size_t take =
                static_cast<std::size_t>(std::min<std::uint64_t>(read, size - copied));
            if (!Put(block.data(), take)) break;
            copied += take;
        }
        std::fclose(in);
        if (copied != size) return Fail("cannot read " + NameOf(path) + " whole");
    }
    return failure_.empty();
}

bool PartWriter::Commit() {
    Encoder trailer;
    trailer(hash_);
    if (!Put(trailer.bytes.data(), trailer.bytes.size())) return false;
    std::FILE* file = file_;
    file_ = nullptr;
    const bool flushed = std::fflush(file) == 0;
    const int flush_error = errno;
    const bool closed = std::fclose(file) == 0;
    if (!flushed || !closed) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
        return Fail(std::strerror(flushed ? errno : flush_error));
    }
    std::error_code error;
    std::filesystem::rename(temporary_, final_, error);
    if (error && std::filesystem::exists(final_)) {
        // Where a rename cannot replace a file (not POSIX), the earlier run's goes first.
        std::error_code ignored;
        std::filesystem::remove(final_, ignored);
        std::filesystem::rename(temporary_, final_, error);
    }
    if (error) {
        failure_ = "Cannot rename " + NameOf(temporary_) + " to " + NameOf(final_) + ": " +
                   error.message();
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
        return false;
    }
    return true;
}

// ---- reading

PartReader::~PartReader() {
    if (file_ != nullptr) std::fclose(file_);
}

bool PartReader::Fail(const std::string& what) {
    if (failure_.empty()) failure_ = NameOf(path_) + ": " + what;
    return false;
}

bool PartReader::Get(void* bytes, std::size_t size) {
    if (!failure_.empty()) return false;
    if (std::fread(bytes, 1, size, file_) != size) {
        return Fail(std::ferror(file_) ? std::string("cannot be read: ") + std::strerror(errno)
                                       : std::string(kCutShort));
    }
    hash_ = Fnv(hash_, bytes, size);
    read_ += size;
    return true;
}

bool PartReader::Open(const std::filesystem::path& path) {
    path_ = path;
    hash_ = kFnvOffset;
    file_ = OpenFile(path, "rb");
    if (file_ == nullptr) return Fail(std::string("cannot be read: ") + std::strerror(errno));
    unsigned char start[sizeof kMagic + 8];
    if (!Get(start, sizeof start)) return false;
    if (std::memcmp(start, kMagic, sizeof kMagic) != 0) return Fail("not a part file");
    Decoder d{start + sizeof kMagic, 8};
    std::uint32_t format = 0, version_size = 0;
    d(format), d(version_size);
    if (format != kPartFormat) {
        return Fail("part file format " + std::to_string(format) + ", this program reads " +
                    std::to_string(kPartFormat));
    }
    if (version_size > kMaxText) return Fail("damaged (a header that cannot be)");
    header_.version.resize(version_size);
    const std::size_t rest = HeaderFieldsSize();
    std::vector<unsigned char> bytes(rest);
    if (!Get(header_.version.data(), version_size) || !Get(bytes.data(), rest)) return false;
    Decoder h{bytes.data(), rest};
    EachHeaderField(header_, h);
    if (!h.ok || header_.parts < 1 || header_.parts > kMaxParts || header_.part < 0 ||
        header_.part >= header_.parts || header_.first_chunk < 0 ||
        header_.end_chunk < header_.first_chunk) {
        return Fail("damaged (a header that cannot be)");
    }
    return true;
}

bool PartReader::Check() {
    std::error_code error;
    const std::uint64_t size = std::filesystem::file_size(path_, error);
    if (error) return Fail("cannot be read: " + error.message());
    if (size < read_ + 8) return Fail(kCutShort);
    std::uint64_t body = size - read_ - 8;
    std::vector<unsigned char> block(kBlock);
    while (body > 0) {
        const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(body, kBlock));
        if (!Get(block.data(), take)) return false;
        body -= take;
    }
    const std::uint64_t computed = hash_;
    unsigned char trailer[8];
    if (!Get(trailer, sizeof trailer)) return false;
    Decoder d{trailer, sizeof trailer};
    std::uint64_t stored = 0;
    d(stored);
    if (stored != computed) return Fail("damaged (its checksum does not match its contents)");
    return true;
}

bool PartReader::NextChunk(ChunkResult& chunk) {
    chunk = ChunkResult{};
    unsigned char head[8 + 1 + 4];
    if (!Get(head, sizeof head)) return false;
    Decoder d{head, sizeof head};
    std::uint32_t notices = 0;
    d(chunk.restarts), d(chunk.ended_by_itself), d(notices);
    if (!d.ok || notices > kMaxText) return Fail("damaged (a chunk that cannot be)");
    for (std::uint32_t i = 0; i < notices; ++i) {
        unsigned char fixed[1 + 8 + 4];
        if (!Get(fixed, sizeof fixed)) return false;
        Decoder n{fixed, sizeof fixed};
        std::uint8_t kind = 0;
        std::uint32_t length = 0;
        RunNotice notice;
        n(kind), n(notice.games), n(length);
        if (kind > static_cast<std::uint8_t>(RunNotice::Kind::WriteFailed) || length > kMaxText) {
            return Fail("damaged (a notice that cannot be)");
        }
        notice.kind = static_cast<RunNotice::Kind>(kind);
        notice.message.resize(length);
        if (!Get(notice.message.data(), length)) return false;
        chunk.notices.push_back(std::move(notice));
    }
    std::vector<unsigned char> state(StateSize());
    if (!Get(state.data(), state.size())) return false;
    Decoder s{state.data(), state.size()};
    EachField(chunk.state, s);
    if (!s.ok) return Fail("damaged (a run state that cannot be)");
    return true;
}

bool PartReader::AppendLogs(LogFiles& run, std::string* message) {
    LogFile* logs[] = {&run.Percent, &run.Jackpot, &run.FreeSpins};
    std::vector<char> block(kBlock);
    for (LogFile* log : logs) {
        unsigned char length_bytes[8];
        std::uint64_t length = 0;
        if (Get(length_bytes, sizeof length_bytes)) {
            Decoder d{length_bytes, sizeof length_bytes};
            d(length);
        }
        while (failure_.empty() && length > 0) {
            const std::size_t take =
                static_cast<std::size_t>(std::min<std::uint64_t>(length, block.size()));
            if (!Get(block.data(), take)) break;
            if (!log->Write(std::string_view(block.data(), take))) {
                *message = log->FailureMessage();
                return false;
            }
            length -= take;
        }
        if (!failure_.empty()) {
            *message = failure_;
            return false;
        }
    }
    return true;
}

}  // namespace kragmoor
