// Any bytes given to the definition reader are either read into a game that keeps the model's
// invariants or refused with a DefinitionError; never a crash, a hang or undefined behaviour.
// A definition that is read writes a report that reads back as the same game. Both go through
// files, as the program reads and writes them: ReelSetup.ini and Temp1.txt in a directory of the
// fuzzer's own.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/definition_reader.h"
#include "model/description_report.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

void CheckInvariants(const kragmoor::GameDefinition& def) {
    using namespace kragmoor;
    Check(def.ReelMaxIndex >= 1 && def.ReelMaxIndex <= 100);
    Check(def.FsReelMaxIndex >= 1 && def.FsReelMaxIndex <= 100);
    for (int r = 0; r < kReels; ++r) {
        Check(def.ReelLen[r] >= 1 && def.ReelLen[r] <= def.ReelMaxIndex);
        Check(def.FsReelLen[r] >= 1 && def.FsReelLen[r] <= def.FsReelMaxIndex);
        for (int p = 0; p <= def.ReelLen[r]; ++p) Check(def.ReelStrip[p][r] < kSymbols);
        for (int p = 0; p <= def.FsReelLen[r]; ++p) Check(def.FsReelStrip[p][r] < kSymbols);
    }
    for (int i = 0; i < kSymbols; ++i) {
        Check(!def.SymbolName[static_cast<std::size_t>(i)].empty());
        for (int j = 0; j < i; ++j)
            Check(def.SymbolName[static_cast<std::size_t>(i)] !=
                  def.SymbolName[static_cast<std::size_t>(j)]);
    }
    const GameRules& rules = def.Rules;
    Check(rules.WildMultiplier >= 1 && rules.WildMultiplier <= kMaxWildMultiplier);
    Check(rules.FreeSpinMultiplier >= 1 && rules.FreeSpinMultiplier <= kMaxFreeSpinMultiplier);
    for (int n = 0; n <= kMaxScatters; ++n) {
        const std::int32_t most = n < kTriggerScatters ? 0 : kMaxSpinsPerAward;
        const auto i = static_cast<std::size_t>(n);
        Check(rules.FreeSpins[i] >= 0 && rules.FreeSpins[i] <= most);
        Check(rules.Retrigger[i] >= 0 && rules.Retrigger[i] <= most);
    }
    Check(def.HasRulesSection || rules == GameRules{});
    for (int line = 0; line < kLines; ++line) {
        for (int r = 0; r < kReels; ++r)
            Check(def.LineTable[line][r] >= 0 && def.LineTable[line][r] < kRows);
    }
}

// A directory for this process's files, made at the first input.
const std::filesystem::path& Directory() {
    static const std::filesystem::path dir = [] {
        const std::filesystem::path d = std::filesystem::temp_directory_path() /
                                        ("kragmoor-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

bool NamesReadBack(const kragmoor::GameDefinition& def) {
    // Names of 11 characters lose their comma in the report (the format's limit).
    for (const auto& name : def.SymbolName) {
        if (name.size() > 10) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = Directory() / "ReelSetup.ini";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    kragmoor::GameDefinition def;
    try {
        def = kragmoor::ReadDefinition(file);
    } catch (const kragmoor::DefinitionError&) {
        return 0;
    }
    CheckInvariants(def);
    if (!NamesReadBack(def)) return 0;
    std::tm t{};
    const std::filesystem::path report = Directory() / "Temp1.txt";
    Check(kragmoor::WriteDescriptionReport(def, t, report));
    const kragmoor::GameDefinition again = kragmoor::ReadDefinition(report);
    Check(again.GameVersion == def.GameVersion);
    Check(again.GameRTP == def.GameRTP);
    Check(again.Seed == def.Seed);
    Check(again.SymbolName == def.SymbolName);
    Check(again.ReelMaxIndex == def.ReelMaxIndex && again.FsReelMaxIndex == def.FsReelMaxIndex);
    Check(std::memcmp(again.ReelLen, def.ReelLen, sizeof def.ReelLen) == 0);
    Check(std::memcmp(again.FsReelLen, def.FsReelLen, sizeof def.FsReelLen) == 0);
    Check(std::memcmp(again.ReelStrip, def.ReelStrip, sizeof def.ReelStrip) == 0);
    Check(std::memcmp(again.FsReelStrip, def.FsReelStrip, sizeof def.FsReelStrip) == 0);
    for (int s = 0; s < kragmoor::kSymbols; ++s) {
        for (int n = 1; n < kragmoor::kRunLengths; ++n)
            Check(again.PayTable[s][n] == def.PayTable[s][n]);
    }
    Check(std::memcmp(again.LineTable, def.LineTable, sizeof def.LineTable) == 0);
    Check(again.Rules == def.Rules && again.HasRulesSection == def.HasRulesSection);
    return 0;
}
