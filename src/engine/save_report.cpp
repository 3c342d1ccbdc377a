// Save: the totals and the hit table appended to the report file, and the loss-streak table
// rewritten record by record in empty.txt.
#include <string>

#include "engine/run_control.h"
#include "model/output_file.h"
#include "model/text_format.h"

namespace kragmoor {

namespace {

constexpr std::size_t kStreakRecord = 25;

std::string Failure(const char* doing, const std::filesystem::path& file, const OutputFile& out) {
    return "Cannot " + std::string(doing) + " " + file.filename().string() + ": " + out.Reason();
}

}  // namespace

// The table is refreshed first as if its window were maximized, so only a game that is not
// shown (a save at a yield between two refreshes of a run) writes the table as last refreshed.
void RunControl::SaveHits(std::string& out) {
    if (state_.SkipDisplay != 1) {
        hits_.Refresh(def_, state_);
        observer_->HitsRefreshed();
    }
    hits_.AppendSaved(out);
}

bool RunControl::WriteLossStreakTable() {
    const std::filesystem::path file = dir_ / "empty.txt";
    // Written in place: a longer older file keeps its bytes after record 50.
    OutputFile out;
    bool ok = out.Open(file, OutputFile::Mode::kUpdate);
    std::string record;
    for (int i = 0; ok && i < 50; ++i) {
        const std::int64_t hits = state_.LossStreakHits[i];
        record.clear();
        text::AppendRight(record, text::Decimal(i), 4);
        text::AppendRight(record, text::Decimal(hits), 10);
        text::AppendRight(record, text::Mask(Chart::Ratio(hits, state_.Games), "0.0000%"), 9);
        record += "\r\n";
        ok = out.WriteAt(static_cast<std::uint64_t>(i) * kStreakRecord, record);
    }
    ok = out.Close() && ok;
    if (!ok) TellSaveFailure(Failure("write", file, out));
    return ok;
}

void RunControl::TellSaveFailure(const std::string& message) {
    write_failed_ = true;
    observer_->Message(message);
}

bool RunControl::cmdSave_Click() {
    if (exited_) return false;
    const RunState& st = state_;
    std::string block = "\r\n";
    block.append(60, '-');
    block += "\r\nGames     = ";
    text::AppendMask(block, st.Games, "# ### ### ##0");
    block += "\r\nTotal Win = ";
    text::AppendMask(block, st.TotalWin, "# ### ### ##0");
    block += "\r\nTotal Bet = ";
    text::AppendMask(block, st.TotalBet, "# ### ### ##0");
    block += "\r\nTotal %   = ";
    text::AppendMask(block, Chart::Ratio(st.TotalWin, st.TotalBet), "### ##0.000%");
    block += "\r\n\r\n";
    SaveHits(block);

    const std::filesystem::path report = dir_ / def_.ReportFileName;
    OutputFile out;
    bool ok = out.Open(report, OutputFile::Mode::kAppend) && out.Write(block);
    ok = out.Close() && ok;
    if (!ok) TellSaveFailure(Failure("append to", report, out));

    ok = WriteLossStreakTable() && ok;
    observer_->SetText("LOG DONE !!!");
    observer_->Beep();
    return ok;
}

}  // namespace kragmoor
