// The run's state beyond the game model: whether an automatic run is going and whether the
// program has exited, which round is being played and whether it is shown, the two option boxes
// that steer the game rounds, and the ends a run can come to from inside a game: Auto Stop, and
// a file that cannot be written.
#pragma once

#include <string_view>

#include "engine/play/game_events.h"
#include "engine/play/run_observer.h"
#include "engine/records/run_logs.h"
#include "model/game_model.h"

namespace kragmoor {

class RunStatus final : public LogFailureListener {
  public:
    RunStatus(RunState& state, RunObserver& observer) : state_(state), observer_(observer) {}

    // An automatic run is going. The observers are told of a change.
    bool Running() const { return running_; }
    void SetRunning(bool running);
    // Exit has closed the logs: nothing is played or written any more.
    bool Exited() const { return exited_; }
    void SetExited() { exited_ = true; }
    // The window has its turn inside a feature that the run plays in one pass.
    bool InFeatureTurn() const { return in_feature_turn_; }
    void SetInFeatureTurn(bool in_turn) { in_feature_turn_ = in_turn; }
    // The run's games are played by other engines, from a copy of the stream Step draws from.
    bool PlayedElsewhere() const { return played_elsewhere_; }
    void SetPlayedElsewhere(bool elsewhere) { played_elsewhere_ = elsewhere; }

    // The game being played is shown: every game while no run goes on, every 10000th of a run,
    // and the game a run ends in. Its round, as the game rounds set it.
    bool Shown() const { return shown_; }
    void SetShown(bool shown) { shown_ = shown; }
    Round PlayingRound() const { return round_; }
    void SetPlayingRound(Round round) { round_ = round; }
    // The game being played as the observers see it come on show.
    ShownGame Showing(bool under_way) const;

    // The option boxes: random stops (checked) or sequential stepping; Auto Stop.
    bool RandomStops() const { return random_stops_; }
    void SetRandomStops(bool random) { random_stops_ = random; }
    bool AutoStop() const { return auto_stop_; }
    void SetAutoStop(bool auto_stop) { auto_stop_ = auto_stop; }

    // Auto Stop at a jackpot or a trigger: the game being played is shown from here on, the
    // stop is told, and the run ends after the game (a feature being played is played to its
    // end).
    void EndByAutoStop(AutoStopCause cause, Round round);
    // A log that cannot be written: told, and a run going on ends at it as at an Auto Stop.
    void LogFailed(std::string_view message) override;
    // A file of a save that cannot be written: told at every save; a run goes on.
    void TellSaveFailure(std::string_view message);
    // A file could not be written, a log or a file of a save.
    bool WriteFailed() const { return write_failed_; }

  private:
    // A run ends inside a game: what is left of the game comes on show; the notice is told
    // between the two.
    void ShowGameUnderWay();
    void EndRunInsideGame();

    RunState& state_;
    RunObserver& observer_;
    bool running_ = false;
    bool exited_ = false;
    bool in_feature_turn_ = false;
    bool played_elsewhere_ = false;
    bool shown_ = true;
    Round round_ = Round::BaseGame;
    bool random_stops_ = true;
    bool auto_stop_ = false;
    bool write_failed_ = false;
};

}  // namespace kragmoor
