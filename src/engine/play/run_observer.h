// What the engine tells the windows: what happened in the game and in the run, in the game's
// words (game_events.h); each window decides how to show it. Every hook has an empty body, so an
// observer overrides what it cares for: the main window the game and its controls, the hit table
// its refreshes, the chart its points, the headless runner the yields and the notices. An engine
// tells every observer on its list. Hooks are called for games that are shown (single steps and
// every 10000th game of an automatic run), at the yields and chart points (every 100 games), inside
// long features (every 100 free spins), when a run starts or ends and for notices, never for the
// millions of games in between. A hook may call back into the engine only from Yield and
// FeatureYield (and the commands the windows call themselves).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/play/game_events.h"
#include "model/game_constants.h"

namespace kragmoor {

struct ChartPoint;

class RunObserver {
  public:
    virtual ~RunObserver() = default;

    // --- the game shown ---
    // The stops the reels came to: told for a game played while the previous one was on show
    // (every single step, the first game of a run, the game after each shown game of a run).
    virtual void ReelsStopped(const std::int16_t (&/*stops*/)[kReels]) {}
    // A game comes on show: its window replaces the previous game's, whose win lines and scatters
    // are gone with it. A game that a run ended inside (Auto Stop, a log that failed) comes on
    // show there, joined under way. What it won follows, in the order the game values it.
    virtual void GameShown(const ShownGame& /*game*/) {}
    virtual void LineWon(const LineWin& /*win*/) {}
    virtual void ScattersWon(const ScatterWin& /*win*/) {}
    virtual void FreeSpinsAwarded(const FreeSpinsAward& /*award*/) {}
    // The game on show is over.
    virtual void GameEnded(const GameEnd& /*end*/) {}

    // --- notices: each returns once the player has acknowledged it ---
    // Auto Stop ended the run at the game on show.
    virtual void AutoStopped(const AutoStopAt& /*at*/) {}
    // The run reached a multiple of CycleGames games, saved and ended itself.
    virtual void CycleEnded(std::int64_t /*games*/) {}
    // A log or a file of a save could not be written: `message` names it and the system's reason.
    virtual void WriteFailed(std::string_view /*message*/) {}
    // A save wrote its files (`ok`), or told the player which it could not write.
    virtual void SaveDone(bool /*ok*/) {}
    // Step found less than one bet of credit: nothing was played, and nothing can be until credit
    // is entered.
    virtual void CreditTooLow() {}

    // --- what the player may do next ---
    // An automatic run started or ended: Simulator::Running() tells which.
    virtual void RunStateChanged() {}
    // Credit may be entered (not during a run).
    virtual void AllowCreditEntry(bool /*allowed*/) {}
    // Step is the next thing to do: Auto Stop ended a run at a feature, whose free spins wait.
    virtual void OfferStep() {}
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

    void ReelsStopped(const std::int16_t (&stops)[kReels]) override;
    void GameShown(const ShownGame& game) override;
    void LineWon(const LineWin& win) override;
    void ScattersWon(const ScatterWin& win) override;
    void FreeSpinsAwarded(const FreeSpinsAward& award) override;
    void GameEnded(const GameEnd& end) override;
    void AutoStopped(const AutoStopAt& at) override;
    void CycleEnded(std::int64_t games) override;
    void WriteFailed(std::string_view message) override;
    void SaveDone(bool ok) override;
    void CreditTooLow() override;
    void RunStateChanged() override;
    void AllowCreditEntry(bool allowed) override;
    void OfferStep() override;
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
