// The window's Run on several threads. The run goes on from the engine's games in the chunks of
// a run on threads (chunked_run.h), played by engines of their own on worker threads and added,
// in game order, onto the window's engine on the calling thread, which shows them as it shows a
// run's yields: the chart's points, the counters, the hit table, a turn for the window after
// each chunk. A run that starts from the loader's state and ends at CycleGames (its save, its
// notice) leaves the files of `kragmoor-sim --threads T` of CycleGames games.
//
// The engine's own stream (the process-wide one, the seed's) is chunk 0's: it plays chunk 0, or
// what is left of a chunk that Steps or a run on one thread began, and goes on from where that
// left it; every later chunk k draws from the seed's stream jumped k times. So no draw is used
// twice whatever the player does between runs. Step waits while the run goes on; Stop and Exit
// end it at the chunk being added, and the chunks played past it are dropped (the next Run
// plays them again from their streams).
#pragma once

#include "engine/play/session.h"
#include "engine/play/simulator.h"
#include "model/game_model.h"

namespace kragmoor {

class ThreadedRun {
  public:
    // The engine of the session; both outlive the object.
    ThreadedRun(Session& session, Simulator& engine) : session_(session), engine_(engine) {}
    ThreadedRun(const ThreadedRun&) = delete;
    ThreadedRun& operator=(const ThreadedRun&) = delete;

    // Run or Stop, as Simulator::StartOrStop, on `threads` threads (0: every core). One thread,
    // sequential stepping and Auto Stop (which ends a run at its next jackpot or feature, a
    // game or two away) play the single stream as the engine's own Run does. A run returns when
    // it has ended.
    void StartOrStop(int threads);

  private:
    void Play(int threads);

    Session& session_;
    Simulator& engine_;
    RunState merged_;  // the engine's state with the chunk being added
};

}  // namespace kragmoor
