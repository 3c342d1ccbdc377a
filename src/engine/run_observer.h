// What the run control asks of the windows. Every hook has an empty body: the headless runner
// overrides only Yield and Message, the main window what it shows. Hooks are called for games
// that are shown (single steps and every 10000th game of an automatic run), at the yields and
// chart points (every 100 games), inside long features (every 100 free spins), when a run starts
// or ends and for Auto Stop notices, never for the millions of games in between. A hook may call
// back into the RunControl only from Yield and FeatureYield (and the commands the windows call
// themselves).
#pragma once

#include <cstdint>
#include <string_view>

namespace kragmoor {

struct ChartPoint;

class RunObserver {
  public:
    virtual ~RunObserver() = default;

    // --- the game shown in the main window ---
    // Redraw the 15 reel cells from RunState::Window (image index = symbol code + 1). Also
    // erases the win lines and scatter boxes drawn over the previous game.
    virtual void ShowReels() {}
    // The stop of a reel written into the caption of its reel button.
    virtual void ReelCaption(int /*reel*/, int /*stop*/) {}
    // The result text box: replaced, or added to at its end. Texts carry their CR LF line ends.
    virtual void SetText(std::string_view /*text*/) {}
    virtual void AppendText(std::string_view /*text*/) {}
    // A paying line drawn over the cells in its colour (see line_geometry.h).
    virtual void DrawWinLine(int /*line*/) {}
    // A green box outline in the cell of a scatter (row 0..2, reel 0..4).
    virtual void DrawScatterBox(int /*row*/, int /*reel*/) {}

    // --- notices ---
    // A message box with an OK button, titled with the application's name; returns when closed.
    virtual void Message(std::string_view /*text*/) {}
    virtual void Beep() {}

    // --- controls of the main window that the run control drives ---
    // The Run/Stop caption: RunControl::Running() tells which.
    virtual void RunStateChanged() {}
    virtual void EnableAdd(bool /*enabled*/) {}
    virtual void EnableStart(bool /*enabled*/) {}
    virtual void FocusStart() {}
    virtual void FocusAdd() {}
    // Some of the counter labels changed; RunControl::Label(i) gives their texts.
    virtual void LabelsChanged() {}

    // --- the automatic run ---
    // Called every 100 games of an automatic run: the window processes pending input here, and
    // only here (a click may call back into RunControl: Stop, Step, Save, Exit, the options).
    virtual void Yield() {}
    // Called every 100 free spins of a feature that an automatic run plays in one pass, while the
    // run goes on, so that a long feature does not shut the window out. Stop here ends the run
    // with the feature pending (the next Step or Run goes on with it); Exit ends it at once;
    // Step does nothing while the run plays the feature.
    virtual void FeatureYield() {}

    // --- the hit statistics window ---
    // A minimized table is not refreshed.
    virtual bool HitsMinimized() { return false; }
    // HitTable's cells changed (ShowHits ran).
    virtual void HitsRefreshed() {}

    // --- the chart window ---
    // Clear the picture and draw the empty chart frame with Chart::Scale() (on a wrap with Clear
    // checked, and when new settings are applied).
    virtual void ChartCleared() {}
    // Draw the segments of one new point onto the persistent picture.
    virtual void ChartPointAdded(const ChartPoint& /*point*/) {}
    // The chart is full: print `summary` at (10, 10) in black; when `bitmap_file` is not empty
    // save the picture as a Windows bitmap of that name in the working directory.
    virtual void ChartFull(std::string_view /*summary*/, std::string_view /*bitmap_file*/) {}
};

}  // namespace kragmoor
