#include "engine/play/game_rounds.h"

#include <string>
#include <utility>

#include "engine/records/bookings.h"
#include "model/text_format.h"

namespace kragmoor {

namespace {

// The codes of the 20 lines of a window, all looked up before any is booked. A line's key adds
// its row's share of every reel; the win lines are built in, so the rows are constants.
template <std::size_t... L>
inline void LineCodes(const LineCodeTable& table,
                      const StripColumns::Column* const (&column)[kReels],
                      std::uint8_t (&codes)[kLines], std::index_sequence<L...>) {
    ((codes[L] = table.Code(column[0]->key[kLineRows[L][0]] + column[1]->key[kLineRows[L][1]] +
                            column[2]->key[kLineRows[L][2]] + column[3]->key[kLineRows[L][3]] +
                            column[4]->key[kLineRows[L][4]])),
     ...);
}

// The columns the five stops show and the codes of the 20 lines they make.
struct WindowLookup {
    const StripColumns::Column* column[kReels];
    std::uint8_t codes[kLines];
};

inline void LookUp(const LineCodeTable& table, const StripColumns& columns,
                   const std::int16_t (&stops)[kReels], WindowLookup& w) {
    for (int r = 0; r < kReels; ++r) w.column[r] = &columns.reel[r][stops[r]];
    LineCodes(table, w.column, w.codes, std::make_index_sequence<kLines>());
}

// The window the stops show, from the columns looked up.
inline void FillWindow(const WindowLookup& w, std::int16_t (&window)[kRows][kReels]) {
    for (int r = 0; r < kReels; ++r) {
        for (int row = 0; row < kRows; ++row) window[row][r] = w.column[r]->symbol[row];
    }
}

// Scatters count anywhere in the window, at most 5.
inline int CountScatters(const WindowLookup& w) {
    int scatters = 0;
    for (int r = 0; r < kReels; ++r) scatters += w.column[r]->scatters;
    return scatters > kMaxScatters ? kMaxScatters : scatters;
}

// The scatter result is kept as a 21st line: the scatter, its count and its pay per total bet.
inline void StoreScatterOutcome(RunState& st, const GameDefinition& def, int count) {
    st.LineOutcomes[kScatterLine][0] = kScatter;
    st.LineOutcomes[kScatterLine][1] = count;
    st.LineOutcomes[kScatterLine][2] = def.PayTable[kScatter][count];
}

inline void StoreLineOutcome(RunState& st, int line, const CodeOutcome& info) {
    st.LineOutcomes[line][0] = info.symbol;
    st.LineOutcomes[line][1] = info.count;
    st.LineOutcomes[line][2] = info.win;
}

std::string WinText(int line, std::int64_t win, int count, const std::string& name) {
    std::string s = "Line :";
    text::AppendTextMask(s, text::Decimal(line + 1), "@@@");
    s += ",  Win :";
    text::AppendTextMask(s, text::Decimal(win), "@@@@@");
    s += ", - ";
    text::AppendDecimal(s, count);
    s += ' ';
    s += name;
    s += "\r\n";
    return s;
}

}  // namespace

GameRounds::GameRounds(const GameTables& tables, RunState& state, RunStatus& status, RunLogs& logs,
                       CounterLabels& labels, RunObserver& observer, StopDraws draws)
    : tables_(tables),
      state_(state),
      status_(status),
      logs_(logs),
      labels_(labels),
      observer_(observer),
      draws_(draws) {}

// The odometer: the rightmost reel turns fastest. Carrying past the selected reel, or wrapping
// reel 0, ends an automatic run; the combination reached is played all the same.
void GameRounds::StepOdometer() {
    std::int16_t(&stop)[kReels] = state_.ReelStop;
    const ReelLengths& last = tables_.definition.ReelLen;
    ++stop[4];
    for (int r = 4; r >= 1; --r) {
        if (stop[r] <= last[r]) break;
        stop[r] = 0;
        ++stop[r - 1];
        if (r == state_.SelectedReel) {
            status_.SetRunning(false);
            state_.SkipDisplay = 0;
        }
    }
    if (stop[0] > last[0]) {
        stop[0] = 0;
        status_.SetRunning(false);
        state_.SkipDisplay = 0;
    }
}

// Every game is shown while no run goes on; of a run, every 10000th.
inline void GameRounds::DecideShown(RunState& st) {
    if (!status_.Running() || st.Games % kShowEvery == 0) [[unlikely]] {
        observer_.ShowReels();
        observer_.SetText("");
        st.SkipDisplay = 0;
    } else {
        st.SkipDisplay = 1;
    }
}

void GameRounds::ShowStops(const std::int16_t (&stops)[kReels]) {
    for (int r = 0; r < kReels; ++r) observer_.ShowStop(r, stops[r]);
}

void GameRounds::ShowLineWin(int line, std::int64_t win, int count, int symbol) {
    observer_.AppendText(WinText(line, win, count, tables_.definition.SymbolName[symbol]));
    observer_.DrawWinLine(line);
}

void GameRounds::ShowScatters(int count, std::int64_t win) {
    std::string s = text::Decimal(count) + " Scatter Win: ";
    text::AppendMask(s, win, "### ###");
    s += "\r\n";
    observer_.AppendText(s);
    for (int row = 0; row < kRows; ++row) {
        for (int r = 0; r < kReels; ++r) {
            if (state_.Window[row][r] == kScatter) observer_.DrawScatterBox(row, r);
        }
    }
}

// Five wilds: a win event even when they pay nothing, and a record of Jackpot.txt.
void GameRounds::BaseJackpot(int line, const CodeOutcome& info) {
    RunState& st = state_;
    if (status_.AutoStop()) status_.EndAt("JACKPOT!!!\r\nGame = " + text::Decimal(st.Games));
    if (st.SkipDisplay == 0) ShowLineWin(line, info.win, info.count, info.symbol);
    BookLineWin(st, line, info);
    ++st.JackpotLines;
    logs_.Jackpot(st.Games, line, false);
}

// Two or more scatters pay times the total bet; three or more leave a feature pending.
void GameRounds::BaseScatters() {
    RunState& st = state_;
    const int count = st.LineOutcomes[kScatterLine][1];
    const std::int64_t win =
        static_cast<std::int64_t>(st.LineOutcomes[kScatterLine][2]) * kTotalBet;
    BookScatterWin(st, count, win);
    if (st.SkipDisplay == 0) ShowScatters(count, win);
    if (count < kTriggerScatters) return;
    if (st.SkipDisplay == 0) {
        observer_.AppendText(text::Decimal(count) + " SCATTERS = 15 Free Spins At x4\r\n");
    }
    st.InFreeSpins = true;
    ++st.FreeGames;
    if (status_.AutoStop()) {
        status_.EndAt("Free Spins \r\nGame = " + text::Decimal(st.Games));
        observer_.OfferStep();
    }
}

inline void GameRounds::SetLabelsAfterBaseGame(const RunState& st) {
    labels_.SetWin(st.TotalWin, st.TotalBet);
    if (st.SkipDisplay == 0) [[unlikely]]
        labels_.SetFreeSpinsOfBaseGame(st.FreeGames, st.FreeWin, st.TotalBet);
    if (st.WinEvents != 0) [[likely]]
        labels_.SetHitRate(st.Games, st.WinEvents);
}

void GameRounds::PlayBaseGame() {
    RunState& st = state_;
    const GameTables& tables = tables_;
    ++st.Games;
    if (status_.RandomStops()) [[likely]] {
        draws_.Draw(tables.definition.ReelLen, st.ReelStop);
    } else {
        StepOdometer();
    }
    st.WinAtGameStart = st.TotalWin;
    st.TotalBet += kTotalBet;
    if (st.SkipDisplay == 0) [[unlikely]]
        ShowStops(st.ReelStop);
    const LineCodeTable& codes = tables.codes;
    WindowLookup w;
    LookUp(codes, tables.base_columns, st.ReelStop, w);
    FillWindow(w, st.Window);
    DecideShown(st);

    for (int line = 0; line < kLines; ++line) {
        const CodeOutcome& info = codes.Outcome(w.codes[line]);
        StoreLineOutcome(st, line, info);
        CountLineOutcome(st, line, info);
        if (w.codes[line] == LineCodeTable::kJackpotCode) [[unlikely]] {
            BaseJackpot(line, info);
        } else if (info.pays) {
            if (st.SkipDisplay == 0) [[unlikely]]
                ShowLineWin(line, info.win, info.count, info.symbol);
            BookLineWin(st, line, info);
        }
    }

    const int scatters = CountScatters(w);
    StoreScatterOutcome(st, tables.definition, scatters);
    CountScatterOutcome(st, scatters);
    if (scatters >= kScatterWinFrom) [[unlikely]]
        BaseScatters();
    SetLabelsAfterBaseGame(st);
    RecordFinishedFeature(st, logs_);
}

void GameRounds::FreeSpinJackpot(int line) {
    if (status_.AutoStop()) {
        status_.EndAt("JACKPOT!!!\r\nGame = " + text::Decimal(state_.Games) + "\r\n Free Spin ");
    }
    ++state_.JackpotLines;
    logs_.Jackpot(state_.Games, line, true);
}

// The scatters pay four times; three or more bring 15 more spins.
void GameRounds::FreeSpinScatters(int scatters, std::int64_t& spin_win) {
    RunState& st = state_;
    const std::int64_t win =
        static_cast<std::int64_t>(tables_.definition.PayTable[kScatter][scatters]) *
        kFreeSpinMultiplier * kTotalBet;
    spin_win += win;
    if (st.SkipDisplay == 0) ShowScatters(scatters, win);
    if (scatters < kTriggerScatters) return;
    st.FreeSpinNo -= kFreeSpinsAward;
    st.InFreeSpins = true;
    if (st.SkipDisplay == 0) {
        observer_.AppendText(text::Decimal(scatters) + " SCATTERS = New 15 Free Spins At x4\r\n");
    }
}

void GameRounds::PlayFreeSpin() {
    RunState& st = state_;
    const GameTables& tables = tables_;
    ++st.FreeSpinNo;
    draws_.Draw(tables.definition.FsReelLen, st.FsReelStop);
    if (st.SkipDisplay == 0) [[unlikely]]
        ShowStops(st.FsReelStop);
    const LineCodeTable& codes = tables.codes;
    WindowLookup w;
    LookUp(codes, tables.free_columns, st.FsReelStop, w);
    FillWindow(w, st.Window);
    DecideShown(st);

    std::int64_t spin_win = 0;
    for (int line = 0; line < kLines; ++line) {
        const CodeOutcome& info = codes.Outcome(w.codes[line]);
        StoreLineOutcome(st, line, info);
        if (w.codes[line] == LineCodeTable::kJackpotCode) [[unlikely]]
            FreeSpinJackpot(line);
        if (info.pays) {
            const std::int64_t win = static_cast<std::int64_t>(info.win) * kFreeSpinMultiplier;
            if (st.SkipDisplay == 0) [[unlikely]]
                ShowLineWin(line, win, info.count, info.symbol);
            spin_win += win;
        }
    }

    const int scatters = CountScatters(w);
    StoreScatterOutcome(st, tables.definition, scatters);
    if (scatters >= kScatterWinFrom) [[unlikely]]
        FreeSpinScatters(scatters, spin_win);

    st.FeatureWin += spin_win;
    st.LastFeatureWin = static_cast<float>(spin_win);
    ++st.FreeSpinsTotal;
    if (st.SkipDisplay == 0) [[unlikely]] {
        std::string s = "_________________\r\nFree Spin win = ";
        s += text::Trimmed(text::Mask(st.FeatureWin, "### ### ###"));
        s += "\r\n";
        observer_.AppendText(s);
    }
    labels_.SetWin(st.TotalWin, st.TotalBet);
    ++st.FreeSpinsPlayed;
}

}  // namespace kragmoor
