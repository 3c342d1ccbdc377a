#include "engine/records/save_report.h"

#include "model/output_file.h"
#include "model/text_format.h"

namespace kragmoor {

namespace {

constexpr std::size_t kStreakRecord = 25;

std::string Failure(const char* doing, const std::filesystem::path& file, const OutputFile& out) {
    return "Cannot " + std::string(doing) + " " + file.filename().string() + ": " + out.Reason();
}

// The block a save appends to the report.
std::string SaveBlock(const RunState& st, const HitTable& hits) {
    std::string block = "\r\n";
    block.append(60, '-');
    block += "\r\nGames     = ";
    text::AppendMask(block, st.Games, "# ### ### ##0");
    block += "\r\nTotal Win = ";
    text::AppendMask(block, st.TotalWin, "# ### ### ##0");
    block += "\r\nTotal Bet = ";
    text::AppendMask(block, st.TotalBet, "# ### ### ##0");
    block += "\r\nTotal %   = ";
    text::AppendMask(block, Ratio(st.TotalWin, st.TotalBet), "### ##0.000%");
    block += "\r\n\r\n";
    hits.AppendSaved(block);
    return block;
}

}  // namespace

bool AppendSaveReport(const std::filesystem::path& report, const RunState& state,
                      const HitTable& hits, std::string* message) {
    OutputFile out;
    bool ok = out.Open(report, OutputFile::Mode::kAppend) && out.Write(SaveBlock(state, hits));
    ok = out.Close() && ok;
    if (!ok) *message = Failure("append to", report, out);
    return ok;
}

bool WriteLossStreakTable(const std::filesystem::path& file, const RunState& state,
                          std::string* message) {
    OutputFile out;
    bool ok = out.Open(file, OutputFile::Mode::kUpdate);
    std::string record;
    for (int i = 0; ok && i < kStreakSlots; ++i) {
        const std::int64_t hits = state.LossStreakHits[i];
        record.clear();
        text::AppendRight(record, text::Decimal(i), 4);
        text::AppendRight(record, text::Decimal(hits), 10);
        text::AppendRight(record, text::Mask(Ratio(hits, state.Games), "0.0000%"), 9);
        record += "\r\n";
        ok = out.WriteAt(static_cast<std::uint64_t>(i) * kStreakRecord, record);
    }
    ok = out.Close() && ok;
    if (!ok) *message = Failure("write", file, out);
    return ok;
}

bool WriteSaveFiles(const std::filesystem::path& dir, const GameDefinition& def,
                    const RunState& state, const HitTable& hits,
                    const std::function<void(const std::string&)>& failed) {
    std::string message;
    bool ok = AppendSaveReport(dir / def.ReportFileName, state, hits, &message);
    if (!ok) failed(message);
    if (!WriteLossStreakTable(dir / "empty.txt", state, &message)) {
        failed(message);
        ok = false;
    }
    return ok;
}

}  // namespace kragmoor
