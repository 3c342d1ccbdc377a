// The game's exact analysis for the windows (engine/analysis/background_analysis.h): it takes a
// second or more on long reels, and the windows must open at once and keep answering. Its
// progress and its result reach them as queued signals on the thread that made the job.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "engine/analysis/background_analysis.h"
#include "model/game_model.h"

namespace kragmoor {

class ExactAnalysisJob : public QObject {
    Q_OBJECT

  public:
    // Starts the analysis of `def` at once.
    explicit ExactAnalysisJob(GameDefinition def, QObject* parent = nullptr);
    // A job still working is cancelled and waited for, which takes milliseconds: closing the
    // program never leaves a thread behind.
    ~ExactAnalysisJob() override = default;
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
    BackgroundAnalysis::Listener Posting();
    void Deliver();

    std::shared_ptr<const ExactAnalysis> result_;
    QString error_;
    double progress_ = 0.0;
    bool done_ = false;
    BackgroundAnalysis analysis_;  // last: destroyed, so cancelled and joined, first
};

}  // namespace kragmoor
