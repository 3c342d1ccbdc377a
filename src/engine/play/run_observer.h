// What the engine tells the windows. Every hook has an empty body, so an observer overrides what
// it shows: the main window the game and its controls, the hit table its refreshes, the chart
// its points, the headless runner the yields and the notices. An engine tells every observer on
// its list. Hooks are called for games that are shown (single steps and every 10000th game of an
// automatic run), at the yields and chart points (every 100 games), inside long features (every
// 100 free spins), when a run starts or ends and for notices, never for the millions of games in
// between. A hook may call back into the engine only from Yield and FeatureYield (and the
// commands the windows call themselves).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kragmoor {

struct ChartPoint;

class RunObserver {
  public:
    virtual ~RunObserver() = default;

    // --- the game shown ---
    // Redraw the 15 reel cells from RunState::Window (image index = symbol code + 1). Also
    // erases the win lines and scatter boxes drawn over the previous game.
    virtual void ShowReels() {}
    // The stop a reel came to (the main window writes it on that reel's button).
    virtual void ShowStop(int /*reel*/, int /*stop*/) {}
    // The description of the game: replaced, or added to at its end. Texts carry their CR LF
    // line ends.
    virtual void SetText(std::string_view /*text*/) {}
    virtual void AppendText(std::string_view /*text*/) {}
    // A paying line drawn over the cells in its colour (see line_geometry.h).
    virtual void DrawWinLine(int /*line*/) {}
    // A green box outline in the cell of a scatter (row 0..2, reel 0..4).
    virtual void DrawScatterBox(int /*row*/, int /*reel*/) {}

    // --- notices ---
    // A notice the player must acknowledge (the window: a message box with an OK button);
    // returns when it has been.
    virtual void Message(std::string_view /*text*/) {}
    virtual void Beep() {}

    // --- what the player may do next ---
    // An automatic run started or ended: Simulator::Running() tells which.
    virtual void RunStateChanged() {}
    // Credit may be entered (not during a run); Step may be played (not below one bet of
    // credit, until credit is entered).
    virtual void AllowCreditEntry(bool /*allowed*/) {}
    virtual void AllowStep(bool /*allowed*/) {}
    // The next thing to do, where the keyboard should lead: Step (the free spins a stopped run
    // left pending), or the credit entry (Step found too little credit).
    virtual void OfferStep() {}
    virtual void OfferCreditEntry() {}
    // Some of the counter labels changed; Simulator::Labels() gives their texts.
    virtual void LabelsChanged() {}

    // --- the automatic run ---
    // Called every 100 games of an automatic run: the window processes pending input here, and
    // only here (a command may call back into the engine: Stop, Step, Save, Exit, the options).
    virtual void Yield() {}
    // Called every 100 free spins of a feature that an automatic run plays in one pass, while the
    // run goes on, so that a long feature does not shut the window out. Stop here ends the run
    // with the feature pending (the next Step or Run goes on with it); Exit ends it at once;
    // Step does nothing while the run plays the feature.
    virtual void FeatureYield() {}

    // --- the hit table ---
    // A minimized table is not refreshed.
    virtual bool HitsMinimized() { return false; }
    // The HitTable's cells changed.
    virtual void HitsRefreshed() {}

    // --- the chart ---
    // Clear the picture and draw the empty chart frame with ChartData::Scale() (on a wrap with
    // Clear checked, and when new settings are applied).
    virtual void ChartCleared() {}
    // Draw the segments of one new point onto the persistent picture.
    virtual void ChartPointAdded(const ChartPoint& /*point*/) {}
    // The chart is full: print `summary` at (10, 10) in black; when `bitmap_file` is not empty
    // save the picture as a Windows bitmap of that name in the working directory.
    virtual void ChartFull(std::string_view /*summary*/, std::string_view /*bitmap_file*/) {}
};

// The observers of one engine, told in the order they were added. An observer may be added or
// removed inside a hook (a window that closes); one removed is not told again.
class ObserverList final : public RunObserver {
  public:
    void Add(RunObserver* observer);
    void Remove(RunObserver* observer);

    void ShowReels() override;
    void ShowStop(int reel, int stop) override;
    void SetText(std::string_view text) override;
    void AppendText(std::string_view text) override;
    void DrawWinLine(int line) override;
    void DrawScatterBox(int row, int reel) override;
    void Message(std::string_view text) override;
    void Beep() override;
    void RunStateChanged() override;
    void AllowCreditEntry(bool allowed) override;
    void AllowStep(bool allowed) override;
    void OfferStep() override;
    void OfferCreditEntry() override;
    void LabelsChanged() override;
    void Yield() override;
    void FeatureYield() override;
    // True when any observer's table is minimized.
    bool HitsMinimized() override;
    void HitsRefreshed() override;
    void ChartCleared() override;
    void ChartPointAdded(const ChartPoint& point) override;
    void ChartFull(std::string_view summary, std::string_view bitmap_file) override;

  private:
    template <typename Hook>
    void Tell(Hook hook);

    std::vector<RunObserver*> list_;
    int telling_ = 0;       // hooks under way: removals only blank their entry meanwhile
    bool blanked_ = false;  // entries to drop once no hook is under way
};

}  // namespace kragmoor
