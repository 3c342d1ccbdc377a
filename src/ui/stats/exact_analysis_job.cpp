#include "ui/stats/exact_analysis_job.h"

#include <exception>

namespace kragmoor {

ExactAnalysisJob::ExactAnalysisJob(GameDefinition def, QObject* parent)
    : QObject(parent), analysis_(std::move(def), Posting()) {}

// Called on the analysis's thread: everything is posted to this object's thread.
BackgroundAnalysis::Listener ExactAnalysisJob::Posting() {
    BackgroundAnalysis::Listener listener;
    listener.progress = [this](double fraction) {
        QMetaObject::invokeMethod(
            this,
            [this, fraction] {
                if (done_) return;
                progress_ = fraction;
                emit Progressed(fraction);
            },
            Qt::QueuedConnection);
    };
    listener.ended = [this] {
        QMetaObject::invokeMethod(
            this, [this] { Deliver(); }, Qt::QueuedConnection);
    };
    return listener;
}

void ExactAnalysisJob::Deliver() {
    try {
        result_ = std::make_shared<const ExactAnalysis>(analysis_.Result());
    } catch (const std::exception& e) {
        error_ = QString::fromUtf8(e.what());
    } catch (...) {
        error_ = QStringLiteral("the exact analysis failed");
    }
    done_ = true;
    progress_ = 1.0;
    emit Finished();
}

}  // namespace kragmoor
