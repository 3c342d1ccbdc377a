#include "ui/text/game_text.h"

#include "model/text_format.h"

namespace kragmoor {

GameText::GameText(const std::array<std::string, kSymbols>& symbol_names) : names_(symbol_names) {}

void GameText::GameShown(const ShownGame& game) {
    if (!game.joined_under_way) text_.clear();
}

// "Line :  1,  Win :  751, - 5 S7": the line and the win right-aligned in 3 and 5 places.
void GameText::LineWon(const LineWin& win) {
    text_ += "Line :";
    text::AppendAtMask(text_, text::Decimal(win.line + 1), "@@@");
    text_ += ",  Win :";
    text::AppendAtMask(text_, text::Decimal(win.win), "@@@@@");
    text_ += ", - ";
    text::AppendDecimal(text_, win.count);
    text_ += ' ';
    text_ += names_.at(static_cast<std::size_t>(win.symbol));
    text_ += "\r\n";
}

void GameText::ScattersWon(const ScatterWin& win) {
    text::AppendDecimal(text_, win.count);
    text_ += " Scatter Win: ";
    text::AppendMask(text_, win.win, "### ###");
    text_ += "\r\n";
}

void GameText::FreeSpinsAwarded(const FreeSpinsAward& award) {
    text::AppendDecimal(text_, award.scatters);
    text_ += award.round == Round::FreeSpin ? " SCATTERS = New " : " SCATTERS = ";
    text::AppendDecimal(text_, award.spins);
    text_ += " Free Spins At x";
    text::AppendDecimal(text_, award.multiplier);
    text_ += "\r\n";
}

void GameText::GameEnded(const GameEnd& end) {
    if (end.round != Round::FreeSpin) return;
    text_ += "_________________\r\nFree Spin win = ";
    text_ += text::Trimmed(text::Mask(end.feature_win, "### ### ###"));
    text_ += "\r\n";
}

void GameText::SaveDone(bool /*ok*/) {
    text_ = "LOG DONE !!!";
    beep_ = true;
}

bool GameText::TakeBeep() {
    const bool due = beep_;
    beep_ = false;
    return due;
}

std::string GameText::AutoStopNotice(const AutoStopAt& at) {
    std::string s = at.cause == AutoStopCause::Jackpot ? "JACKPOT!!!" : "Free Spins ";
    s += "\r\nGame = ";
    text::AppendDecimal(s, at.game);
    if (at.cause == AutoStopCause::Jackpot && at.round == Round::FreeSpin) s += "\r\n Free Spin ";
    return s;
}

std::string GameText::CycleEndNotice(std::int64_t games) {
    return text::Decimal(games) + " Games!";
}

}  // namespace kragmoor
