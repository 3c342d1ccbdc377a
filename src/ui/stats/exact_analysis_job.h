// The game's exact analysis computed off the window thread: it takes a second or more on long
// reels, and the windows must open at once and keep answering. The worker analyses its own copy
// of the definition and shares nothing with the windows; its progress and its result reach them
// as queued signals on the thread that made the job.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <thread>

#include "engine/analysis/exact_analysis.h"
#include "model/game_model.h"

namespace kragmoor {

class ExactAnalysisJob : public QObject {
    Q_OBJECT

  public:
    // Starts the analysis of `def` at once.
    explicit ExactAnalysisJob(GameDefinition def, QObject* parent = nullptr);
    // A job still working is cancelled at its next progress report (a few times a second) and
    // waited for, so that closing the program never leaves a thread behind.
    ~ExactAnalysisJob() override;
    ExactAnalysisJob(const ExactAnalysisJob&) = delete;
    ExactAnalysisJob& operator=(const ExactAnalysisJob&) = delete;

    bool Done() const { return done_; }
    // The analysis once done, null before and when it failed.
    const ExactAnalysis* Result() const { return result_.get(); }
    // Why it failed ("" while working and when it succeeded).
    const QString& Error() const { return error_; }
    // The share of the work done, 0..1.
    double Progress() const { return progress_; }

  signals:
    void Progressed(double fraction);
    // Result() or Error() is set.
    void Finished();

  private:
    void Work(const GameDefinition& def);
    void Deliver(std::shared_ptr<const ExactAnalysis> result, const QString& error);

    std::shared_ptr<const ExactAnalysis> result_;
    QString error_;
    double progress_ = 0.0;
    bool done_ = false;
    std::atomic<bool> cancel_{false};
    std::thread worker_;  // last: started when everything it reports to exists
};

}  // namespace kragmoor
