// Save: the totals and the hit table appended to the report file, and the loss-streak table
// rewritten record by record in empty.txt.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/run_control.h"
#include "model/text_format.h"

namespace kragmoor {

namespace {

constexpr std::size_t kStreakRecord = 25;

std::string Failure(const std::filesystem::path& file, const char* doing) {
    return "Cannot " + std::string(doing) + " " + file.filename().string() + ": " +
           std::strerror(errno);
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
    std::FILE* f = std::fopen(file.string().c_str(), "r+b");
    if (f == nullptr) f = std::fopen(file.string().c_str(), "w+b");
    if (f == nullptr) {
        observer_->Message(Failure(file, "write"));
        return false;
    }
    std::string record;
    bool ok = true;
    for (int i = 0; i < 50; ++i) {
        const std::int64_t hits = state_.LossStreakHits[i];
        record.clear();
        text::AppendRight(record, text::Decimal(i), 4);
        text::AppendRight(record, text::Decimal(hits), 10);
        text::AppendRight(record, text::Mask(Chart::Ratio(hits, state_.Games), "0.0000%"), 9);
        record += "\r\n";
        ok = ok && std::fseek(f, static_cast<long>(i * kStreakRecord), SEEK_SET) == 0 &&
             std::fwrite(record.data(), 1, record.size(), f) == record.size();
    }
    ok = std::fclose(f) == 0 && ok;
    if (!ok) observer_->Message(Failure(file, "write"));
    return ok;
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
    std::FILE* f = std::fopen(report.string().c_str(), "ab");
    bool ok = f != nullptr && std::fwrite(block.data(), 1, block.size(), f) == block.size();
    if (f != nullptr) ok = std::fclose(f) == 0 && ok;
    if (!ok) observer_->Message(Failure(report, "append to"));

    ok = WriteLossStreakTable() && ok;
    observer_->SetText("LOG DONE !!!");
    observer_->Beep();
    return ok;
}

}  // namespace kragmoor
