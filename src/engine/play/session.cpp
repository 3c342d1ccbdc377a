#include "engine/play/session.h"

#include <chrono>
#include <ctime>
#include <random>
#include <stdexcept>
#include <system_error>

#include "engine/rules/feature_bound.h"
#include "model/definition_reader.h"
#include "model/description_report.h"
#include "rng/rng.h"

namespace kragmoor {

namespace {

// A file of the working directory; in the current directory itself its plain name, so that
// messages read "ReelSetup.ini:12: ..." rather than "./ReelSetup.ini:12: ...".
std::filesystem::path InDir(const std::filesystem::path& dir, const char* name) {
    if (dir.empty() || dir == ".") return name;
    return dir / name;
}

[[noreturn]] void CannotCreate(const std::filesystem::path& file, const std::string& reason) {
    throw std::runtime_error("cannot create " + file.string() + ": " + reason);
}

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

void CreateLog(LogFile& log, const std::filesystem::path& dir, const char* name) {
    const std::filesystem::path file = InDir(dir, name);
    if (!log.Create(file)) CannotCreate(file, log.Reason());
}

}  // namespace

std::int32_t ResolveSeed(std::int32_t seed) {
    if (seed >= 0) return seed;
    // A generator of the runtime seeded from the clock: one value is thrown away, the second
    // gives u in [0, 1) and the seed is u x 65536.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::mt19937 clock_generator(
        static_cast<std::uint32_t>(ticks) ^
        static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks) >> 32));
    clock_generator.discard(1);
    const double u = std::generate_canonical<double, 32>(clock_generator);
    const auto drawn = static_cast<std::int32_t>(u * 65536.0);
    return drawn > 65535 ? 65535 : drawn;
}

GameDefinition ReadGameDefinition(const std::filesystem::path& dir) {
    return ReadDefinition(InDir(dir, "ReelSetup.ini"));
}

Session OpenSession(const std::filesystem::path& dir, const SessionOptions& options) {
    Session session;
    session.dir = dir;
    // Everything is read and checked before any file is touched; a game whose features never
    // end is refused like one that cannot be read.
    session.definition = ReadGameDefinition(dir);
    CheckFeaturesEnd(session.definition, InDir(dir, "ReelSetup.ini").string());

    if (options.delete_leftovers) {
        std::error_code ignored;
        std::filesystem::remove(InDir(dir, "readme.txt"), ignored);
        std::filesystem::remove(InDir(dir, "setup.bat"), ignored);
    }

    GameDefinition& def = session.definition;
    session.definition_seed = def.Seed;
    def.Seed = ResolveSeed(def.Seed);
    rng_Init(def.Seed);  // the only seeding in the life of the session

    const std::filesystem::path report = InDir(dir, def.ReportFileName.c_str());
    std::string reason;
    if (!WriteDescriptionReport(def, LocalNow(), report, &reason)) CannotCreate(report, reason);

    CreateLog(session.logs.Percent, dir, "Percent_10000.txt");
    CreateLog(session.logs.Jackpot, dir, "Jackpot.txt");
    CreateLog(session.logs.FreeSpins, dir, "FreeSpins.txt");
    session.start = LoaderState(def);
    return session;
}

}  // namespace kragmoor
