#include "engine/play/game_rounds.h"

#include <utility>

#include "engine/records/bookings.h"

namespace kragmoor {

namespace {

using Columns = const StripColumns::Column* const (&)[kReels];

// The codes of the 20 lines of a window, all looked up before any is booked. A line's key adds
// its row's share of every reel. The built-in lines' rows are constants the compiler folds in.
template <std::size_t... L>
inline void BuiltInLineCodes(const LineCodeTable& table, Columns column,
                             std::uint8_t (&codes)[kLines], std::index_sequence<L...>) {
    ((codes[L] = table.Code(column[0]->key[kLineRows[L][0]] + column[1]->key[kLineRows[L][1]] +
                            column[2]->key[kLineRows[L][2]] + column[3]->key[kLineRows[L][3]] +
                            column[4]->key[kLineRows[L][4]])),
     ...);
}

inline void DefinedLineCodes(const LineCodeTable& table, Columns column, const LineRows& rows,
                             std::uint8_t (&codes)[kLines]) {
    for (int line = 0; line < kLines; ++line) {
        const std::int16_t(&row)[kReels] = rows[line];
        codes[line] =
            table.Code(column[0]->key[row[0]] + column[1]->key[row[1]] + column[2]->key[row[2]] +
                       column[3]->key[row[3]] + column[4]->key[row[4]]);
    }
}

// The columns the five stops show and the codes of the 20 lines they make.
struct WindowLookup {
    const StripColumns::Column* column[kReels];
    std::uint8_t codes[kLines];
};

inline void LookUp(const GameTables& tables, const StripColumns& columns,
                   const std::int16_t (&stops)[kReels], WindowLookup& w) {
    for (int r = 0; r < kReels; ++r) w.column[r] = &columns.reel[r][stops[r]];
    if (tables.built_in_lines) [[likely]] {
        BuiltInLineCodes(tables.codes, w.column, w.codes, std::make_index_sequence<kLines>());
    } else {
        DefinedLineCodes(tables.codes, w.column, tables.definition.LineTable, w.codes);
    }
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
            status_.SetShown(true);
        }
    }
    if (stop[0] > last[0]) {
        stop[0] = 0;
        status_.SetRunning(false);
        status_.SetShown(true);
    }
}

// Every game is shown while no run goes on; of a run, every 10000th.
inline void GameRounds::DecideShown(const RunState& st) {
    if (!status_.Running() || st.Games % kShowEvery == 0) [[unlikely]] {
        status_.SetShown(true);
        observer_.GameShown(status_.Showing(false));
    } else {
        status_.SetShown(false);
    }
}

void GameRounds::ShowLineWin(int line, std::int64_t win, int count, int symbol) {
    observer_.LineWon(LineWin{line, symbol, count, win});
}

void GameRounds::ShowScatters(Round round, int count, std::int64_t win) {
    ScatterWin w;
    w.round = round;
    w.count = count;
    w.win = win;
    for (int row = 0; row < kRows; ++row) {
        for (int r = 0; r < kReels; ++r) {
            if (state_.Window[row][r] == kScatter) w.cells[w.cell_count++] = {row, r};
        }
    }
    observer_.ScattersWon(w);
}

void GameRounds::ShowEnd(Round round, std::int64_t win) {
    GameEnd end;
    end.round = round;
    end.win = win;
    end.feature_win = state_.FeatureWin;
    if (round == Round::FreeSpin) end.spins_left = state_.FeatureSpins - state_.FreeSpinNo;
    observer_.GameEnded(end);
}

// Five wilds: a win event even when they pay nothing, and a record of Jackpot.txt.
void GameRounds::BaseJackpot(int line, const CodeOutcome& info) {
    RunState& st = state_;
    if (status_.AutoStop()) status_.EndByAutoStop(AutoStopCause::Jackpot, Round::BaseGame);
    if (status_.Shown()) ShowLineWin(line, info.win, info.count, info.symbol);
    BookLineWin(st, line, info);
    ++st.JackpotLines;
    logs_.Jackpot(st.Games, line, false);
}

// Two or more scatters pay times the total bet; three or more leave a feature pending, unless the
// game awards no spins for their count.
void GameRounds::BaseScatters() {
    RunState& st = state_;
    const int count = st.LineOutcomes[kScatterLine][1];
    const std::int64_t win =
        static_cast<std::int64_t>(st.LineOutcomes[kScatterLine][2]) * kTotalBet;
    BookScatterWin(st, count, win);
    if (status_.Shown()) ShowScatters(Round::BaseGame, count, win);
    const GameRules& rules = tables_.definition.Rules;
    const std::int32_t spins = rules.FreeSpins[static_cast<std::size_t>(count)];
    if (spins == 0) return;
    if (status_.Shown())
        observer_.FreeSpinsAwarded({Round::BaseGame, count, spins, rules.FreeSpinMultiplier});
    st.FeatureSpins = spins;
    st.InFreeSpins = true;
    ++st.FreeGames;
    if (status_.AutoStop()) {
        status_.EndByAutoStop(AutoStopCause::Feature, Round::BaseGame);
        observer_.OfferStep();
    }
}

inline void GameRounds::SetLabelsAfterBaseGame(const RunState& st) {
    labels_.SetWin(st.TotalWin, st.TotalBet);
    if (status_.Shown()) [[unlikely]]
        labels_.SetFreeSpinsOfBaseGame(st.FreeGames, st.FreeWin, st.TotalBet);
    if (st.WinEvents != 0) [[likely]]
        labels_.SetHitRate(st.Games, st.WinEvents);
}

void GameRounds::PlayBaseGame() {
    RunState& st = state_;
    const GameTables& tables = tables_;
    ++st.Games;
    status_.SetPlayingRound(Round::BaseGame);
    if (status_.RandomStops()) [[likely]] {
        draws_.Draw(tables.definition.ReelLen, st.ReelStop);
    } else {
        StepOdometer();
    }
    st.WinAtGameStart = st.TotalWin;
    st.TotalBet += kTotalBet;
    if (status_.Shown()) [[unlikely]]
        observer_.ReelsStopped(st.ReelStop);
    const LineCodeTable& codes = tables.codes;
    WindowLookup w;
    LookUp(tables, tables.base_columns, st.ReelStop, w);
    FillWindow(w, st.Window);
    DecideShown(st);

    // The run's totals are added up apart, so that they stay in registers while the lines'
    // counters are written.
    std::int64_t win = 0, events = 0;
    for (int line = 0; line < kLines; ++line) {
        const CodeOutcome& info = codes.Outcome(w.codes[line]);
        CountLineOutcome(st, line, info);
        if (w.codes[line] == LineCodeTable::kJackpotCode) [[unlikely]] {
            st.TotalWin += std::exchange(win, 0);  // whoever a jackpot tells sees the totals
            st.WinEvents += std::exchange(events, 0);
            BaseJackpot(line, info);
        } else if (info.pays) {
            if (status_.Shown()) [[unlikely]]
                ShowLineWin(line, info.win, info.count, info.symbol);
            st.WinSum[line][info.count][info.symbol] += info.win;
            win += info.win;
            ++events;
        }
    }
    st.TotalWin += win;
    st.WinEvents += events;
    if (status_.Shown()) [[unlikely]] {
        for (int line = 0; line < kLines; ++line)
            StoreLineOutcome(st, line, codes.Outcome(w.codes[line]));
    }

    const int scatters = CountScatters(w);
    StoreScatterOutcome(st, tables.definition, scatters);
    CountScatterOutcome(st, scatters);
    if (scatters >= kScatterWinFrom) [[unlikely]]
        BaseScatters();
    SetLabelsAfterBaseGame(st);
    RecordFinishedFeature(st, logs_);
    if (status_.Shown()) [[unlikely]]
        ShowEnd(Round::BaseGame, st.TotalWin - st.WinAtGameStart);
}

void GameRounds::FreeSpinJackpot(int line) {
    if (status_.AutoStop()) status_.EndByAutoStop(AutoStopCause::Jackpot, Round::FreeSpin);
    ++state_.JackpotLines;
    logs_.Jackpot(state_.Games, line, true);
}

// The scatters pay times the free spins' multiplier; three or more bring more spins when the
// game adds any for their count.
void GameRounds::FreeSpinScatters(int scatters, std::int64_t& spin_win) {
    RunState& st = state_;
    const GameDefinition& def = tables_.definition;
    const std::int64_t win = static_cast<std::int64_t>(def.PayTable[kScatter][scatters]) *
                             def.Rules.FreeSpinMultiplier * kTotalBet;
    spin_win += win;
    if (status_.Shown()) ShowScatters(Round::FreeSpin, scatters, win);
    const std::int32_t spins = def.Rules.Retrigger[static_cast<std::size_t>(scatters)];
    if (spins == 0) return;
    st.FreeSpinNo -= spins;
    st.InFreeSpins = true;
    if (status_.Shown())
        observer_.FreeSpinsAwarded(
            {Round::FreeSpin, scatters, spins, def.Rules.FreeSpinMultiplier});
}

void GameRounds::PlayFreeSpin() {
    RunState& st = state_;
    const GameTables& tables = tables_;
    ++st.FreeSpinNo;
    status_.SetPlayingRound(Round::FreeSpin);
    draws_.Draw(tables.definition.FsReelLen, st.FsReelStop);
    if (status_.Shown()) [[unlikely]]
        observer_.ReelsStopped(st.FsReelStop);
    const LineCodeTable& codes = tables.codes;
    WindowLookup w;
    LookUp(tables, tables.free_columns, st.FsReelStop, w);
    FillWindow(w, st.Window);
    DecideShown(st);

    const std::int64_t multiplier = tables.definition.Rules.FreeSpinMultiplier;
    std::int64_t spin_win = 0;
    for (int line = 0; line < kLines; ++line) {
        const CodeOutcome& info = codes.Outcome(w.codes[line]);
        StoreLineOutcome(st, line, info);
        if (w.codes[line] == LineCodeTable::kJackpotCode) [[unlikely]]
            FreeSpinJackpot(line);
        if (info.pays) {
            const std::int64_t win = info.win * multiplier;
            if (status_.Shown()) [[unlikely]]
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
    if (status_.Shown()) [[unlikely]]
        ShowEnd(Round::FreeSpin, spin_win);
    labels_.SetWin(st.TotalWin, st.TotalBet);
    ++st.FreeSpinsPlayed;
}

}  // namespace kragmoor
