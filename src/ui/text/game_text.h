// The main window's text box as the engine's events write it: a shown game's paying lines, its
// scatters, an award of free spins and the feature's win so far; "LOG DONE !!!" after a save,
// with a beep. Texts carry their CR LF line ends. The window passes each event on and shows
// Text(); a shown game of a run is written here and reaches the widget at the window's next turn.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/play/game_events.h"
#include "model/game_constants.h"

namespace kragmoor {

class GameText {
  public:
    explicit GameText(const std::array<std::string, kSymbols>& symbol_names);

    const std::string& Text() const { return text_; }

    // A game that comes on show from its start clears the text; one joined under way (a run
    // ended inside it) adds the rest of its description to what was there.
    void GameShown(const ShownGame& game);
    void LineWon(const LineWin& win);
    void ScattersWon(const ScatterWin& win);
    void FreeSpinsAwarded(const FreeSpinsAward& award);
    // A free spin ends with the feature's win so far; a base game adds nothing.
    void GameEnded(const GameEnd& end);
    // Whatever a save wrote, the text says so, and the window beeps.
    void SaveDone(bool ok);

    // A beep is due since the last call (the window sounds it once).
    bool TakeBeep();

    // The notices of the message boxes: Step below one bet of credit, a run that Auto Stop
    // ended, a run that reached a multiple of CycleGames games.
    static std::string_view CreditTooLowNotice() { return " Add Credit ! "; }
    static std::string AutoStopNotice(const AutoStopAt& at);
    static std::string CycleEndNotice(std::int64_t games);

  private:
    std::array<std::string, kSymbols> names_;
    std::string text_;
    bool beep_ = false;
};

}  // namespace kragmoor
