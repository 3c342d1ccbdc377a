// The two game rounds: a paid base game and a free spin. Games that are not shown cost only
// table reads and counter updates; everything a window shows goes through the observer, and
// only for shown games.
#include <string>
#include <utility>

#include "engine/run_control.h"
#include "model/text_format.h"
#include "rng/rng.h"

namespace kragmoor {

namespace {

constexpr std::int64_t kShowEvery = 10000;
constexpr int kScatterWinFrom = 2;
constexpr int kTriggerFrom = 3;

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

inline void LineCodes(const LineCodeTable& table,
                      const StripColumns::Column* const (&column)[kReels],
                      std::uint8_t (&codes)[kLines]) {
    LineCodes(table, column, codes, std::make_index_sequence<kLines>());
}

// The columns the five stops show and the codes of the 20 lines they make.
struct WindowLookup {
    const StripColumns::Column* column[kReels];
    std::uint8_t codes[kLines];
};

inline void LookUp(const LineCodeTable& table, const StripColumns& columns,
                   const std::int16_t (&stops)[kReels], WindowLookup& w) {
    for (int r = 0; r < kReels; ++r) w.column[r] = &columns.reel[r][stops[r]];
    LineCodes(table, w.column, w.codes);
}

// Scatters count anywhere in the window, at most 5.
inline int CountScatters(const WindowLookup& w) {
    int scatters = 0;
    for (int r = 0; r < kReels; ++r) scatters += w.column[r]->scatters;
    return scatters > 5 ? 5 : scatters;
}

inline void StoreLineResult(RunState& st, int line, const LineCodeInfo& info) {
    st.LineResult[line][0] = info.symbol;
    st.LineResult[line][1] = info.count;
    st.LineResult[line][2] = info.win;
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

// The odometer: the rightmost reel turns fastest. Carrying past the selected reel, or wrapping
// reel 0, ends an automatic run; the combination reached is played all the same.
void RunControl::StepOdometer() {
    std::int16_t(&stop)[kReels] = state_.ReelStop;
    ++stop[4];
    for (int r = 4; r >= 1; --r) {
        if (stop[r] <= def_.ReelLen[r]) break;
        stop[r] = 0;
        ++stop[r - 1];
        if (r == state_.SelectedReel) {
            SetRunning(false);
            state_.SkipDisplay = 0;
        }
    }
    if (stop[0] > def_.ReelLen[0]) {
        stop[0] = 0;
        SetRunning(false);
        state_.SkipDisplay = 0;
    }
}

void RunControl::FillWindow(const StripColumns& columns, const std::int16_t (&stops)[kReels]) {
    for (int r = 0; r < kReels; ++r) {
        const StripColumns::Column& column = columns.reel[r][stops[r]];
        for (int row = 0; row < kRows; ++row) state_.Window[row][r] = column.symbol[row];
    }
}

// Every game is shown while no run goes on; of a run, every 10000th.
void RunControl::DecideShown() {
    if (!running_ || state_.Games % kShowEvery == 0) [[unlikely]] {
        observer_->ShowReels();
        observer_->SetText("");
        state_.SkipDisplay = 0;
    } else {
        state_.SkipDisplay = 1;
    }
}

void RunControl::StoreScatterResult(int count) {
    state_.LineResult[kScatterLine][0] = kScatter;
    state_.LineResult[kScatterLine][1] = count;
    state_.LineResult[kScatterLine][2] = def_.PayTable[kScatter][count];
}

void RunControl::ShowLineWin(int line, std::int32_t win, int count, int symbol) {
    observer_->AppendText(WinText(line, win, count, def_.Figures[symbol]));
    observer_->DrawWinLine(line);
}

void RunControl::ShowScatters(int count, std::int64_t win) {
    std::string s = text::Decimal(count) + " Scatter Win: ";
    text::AppendMask(s, win, "### ###");
    s += "\r\n";
    observer_->AppendText(s);
    for (int row = 0; row < kRows; ++row) {
        for (int r = 0; r < kReels; ++r) {
            if (state_.Window[row][r] == kScatter) observer_->DrawScatterBox(row, r);
        }
    }
}

// Auto Stop: the game is shown from here on and the run ends after it.
void RunControl::EndRunAt(std::string_view message) {
    observer_->ShowReels();
    observer_->Message(message);
    state_.SkipDisplay = 0;
    SetRunning(false);
    observer_->EnableAdd(true);
}

void RunControl::BaseJackpot(int line, const LineCodeInfo& info) {
    RunState& st = state_;
    if (auto_stop_) EndRunAt("JACKPOT!!!\r\nGame = " + text::Decimal(st.Games));
    if (st.SkipDisplay == 0) ShowLineWin(line, info.win, info.count, info.symbol);
    st.WinSum[line][info.symbol][info.count] += info.win;
    st.TotalWin += info.win;
    ++st.WinEvents;
    WriteJackpotRecord(line, false);
}

void RunControl::BaseScatters() {
    RunState& st = state_;
    const int count = st.LineResult[kScatterLine][1];
    const std::int64_t win = static_cast<std::int64_t>(st.LineResult[kScatterLine][2]) * kBet;
    st.WinSum[kScatterLine][kScatter][count] += win;
    st.TotalWin += win;
    if (st.SkipDisplay == 0) ShowScatters(count, win);
    if (count >= kTriggerFrom) {
        if (st.SkipDisplay == 0) {
            observer_->AppendText(text::Decimal(count) + " SCATTERS = 15 Free Spins At x4\r\n");
        }
        st.InFreeSpins = true;
        ++st.FreeGames;
        if (auto_stop_) {
            EndRunAt("Free Spins \r\nGame = " + text::Decimal(st.Games));
            observer_->FocusStart();
        }
    }
    ++st.WinEvents;
}

void RunControl::PlayBaseGame() {
    RunState& st = state_;
    if (random_stops_) {
        for (int r = 0; r < kReels; ++r) {
            st.ReelStop[r] = static_cast<std::int16_t>(rng_GenNumber(def_.ReelLen[r] + 1));
        }
    } else {
        StepOdometer();
    }
    WinAtGameStart_ = st.TotalWin;
    st.TotalBet += kBet;
    if (st.SkipDisplay == 0) [[unlikely]] {
        for (int r = 0; r < kReels; ++r) observer_->ReelCaption(r, st.ReelStop[r]);
    }
    FillWindow(*base_columns_, st.ReelStop);
    DecideShown();

    WindowLookup w;
    LookUp(codes_, *base_columns_, st.ReelStop, w);
    for (int line = 0; line < kLines; ++line) {
        const LineCodeInfo& info = codes_.Info(w.codes[line]);
        StoreLineResult(st, line, info);
        ++st.HitCount[line][info.count][info.symbol];
        if (w.codes[line] == LineCodeTable::kJackpotCode) [[unlikely]] {
            BaseJackpot(line, info);
        } else if (info.pays) {
            if (st.SkipDisplay == 0) [[unlikely]]
                ShowLineWin(line, info.win, info.count, info.symbol);
            st.WinSum[line][info.symbol][info.count] += info.win;
            st.TotalWin += info.win;
            ++st.WinEvents;
        }
    }

    const int scatters = CountScatters(w);
    StoreScatterResult(scatters);
    ++st.HitCount[kScatterLine][scatters][kScatter];
    if (scatters >= kScatterWinFrom) [[unlikely]]
        BaseScatters();

    labels_.win_set = true;
    labels_.win = st.TotalWin;
    labels_.bet = st.TotalBet;
    if (st.SkipDisplay == 0) [[unlikely]] {
        labels_.free_kind = 1;
        labels_.free_games = st.FreeGames;
        labels_.free_win = st.FreeWin;
        labels_.free_bet = st.TotalBet;
    }
    if (st.WinEvents != 0) [[likely]] {
        labels_.rate_set = true;
        labels_.rate_games = st.Games;
        labels_.rate_events = st.WinEvents;
    }
}

void RunControl::FreeSpinJackpot(int line) {
    if (auto_stop_) {
        EndRunAt("JACKPOT!!!\r\nGame = " + text::Decimal(state_.Games) + "\r\n Free Spin ");
    }
    WriteJackpotRecord(line, true);
}

void RunControl::PlayFreeSpin() {
    RunState& st = state_;
    for (int r = 0; r < kReels; ++r) {
        st.FsReelStop[r] = static_cast<std::int16_t>(rng_GenNumber(def_.FsReelLen[r] + 1));
    }
    if (st.SkipDisplay == 0) [[unlikely]] {
        for (int r = 0; r < kReels; ++r) observer_->ReelCaption(r, st.FsReelStop[r]);
    }
    FillWindow(*free_columns_, st.FsReelStop);
    DecideShown();

    std::int64_t spin_win = 0;
    WindowLookup w;
    LookUp(codes_, *free_columns_, st.FsReelStop, w);
    for (int line = 0; line < kLines; ++line) {
        const LineCodeInfo& info = codes_.Info(w.codes[line]);
        StoreLineResult(st, line, info);
        if (w.codes[line] == LineCodeTable::kJackpotCode) [[unlikely]]
            FreeSpinJackpot(line);
        if (info.pays) {
            const std::int64_t win = static_cast<std::int64_t>(info.win) * kFreeSpinMultiplier;
            if (st.SkipDisplay == 0) [[unlikely]] {
                observer_->AppendText(WinText(line, win, info.count, def_.Figures[info.symbol]));
                observer_->DrawWinLine(line);
            }
            spin_win += win;
        }
    }

    const int scatters = CountScatters(w);
    StoreScatterResult(scatters);
    if (scatters >= kScatterWinFrom) [[unlikely]] {
        const std::int64_t win = static_cast<std::int64_t>(def_.PayTable[kScatter][scatters]) *
                                 kFreeSpinMultiplier * kBet;
        spin_win += win;
        if (st.SkipDisplay == 0) ShowScatters(scatters, win);
        if (scatters >= kTriggerFrom) {
            FreeSpinNo_ -= kFreeSpinsAward;
            st.InFreeSpins = true;
            if (st.SkipDisplay == 0) {
                observer_->AppendText(text::Decimal(scatters) +
                                      " SCATTERS = New 15 Free Spins At x4\r\n");
            }
        }
    }

    st.FeatureWin += spin_win;
    st.LastFeatureWin = static_cast<float>(spin_win);
    ++free_spins_total_;
    if (st.SkipDisplay == 0) [[unlikely]] {
        std::string s = "_________________\r\nFree Spin win = ";
        s += text::Trimmed(text::Mask(st.FeatureWin, "### ### ###"));
        s += "\r\n";
        observer_->AppendText(s);
    }
    labels_.win_set = true;
    labels_.win = st.TotalWin;
    labels_.bet = st.TotalBet;
}

}  // namespace kragmoor
