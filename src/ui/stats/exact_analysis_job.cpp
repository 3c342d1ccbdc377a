#include "ui/stats/exact_analysis_job.h"

#include <exception>

namespace kragmoor {
namespace {

// Thrown through the analysis from its progress report to end a job that is no longer wanted.
struct Cancelled {};

}  // namespace

ExactAnalysisJob::ExactAnalysisJob(GameDefinition def, QObject* parent) : QObject(parent) {
    worker_ = std::thread([this, copy = std::move(def)] { Work(copy); });
}

ExactAnalysisJob::~ExactAnalysisJob() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
    // Reports the worker posted but the event loop never delivered go with this object.
}

// On the worker thread: only cancel_ is read here, everything else is posted to this object's
// thread.
void ExactAnalysisJob::Work(const GameDefinition& def) {
    const AnalysisProgress report = [this](double fraction) {
        if (cancel_) throw Cancelled{};
        QMetaObject::invokeMethod(
            this,
            [this, fraction] {
                if (done_) return;
                progress_ = fraction;
                emit Progressed(fraction);
            },
            Qt::QueuedConnection);
    };
    try {
        auto result = std::make_shared<const ExactAnalysis>(AnalyseGame(def, report));
        Deliver(std::move(result), QString());
    } catch (const Cancelled&) {
    } catch (const std::exception& e) {
        Deliver(nullptr, QString::fromUtf8(e.what()));
    } catch (...) {
        Deliver(nullptr, QStringLiteral("the exact analysis failed"));
    }
}

void ExactAnalysisJob::Deliver(std::shared_ptr<const ExactAnalysis> result, const QString& error) {
    QMetaObject::invokeMethod(
        this,
        [this, result = std::move(result), error] {
            result_ = result;
            error_ = error;
            done_ = true;
            progress_ = 1.0;
            emit Finished();
        },
        Qt::QueuedConnection);
}

}  // namespace kragmoor
