#include "ui/main/start_up.h"

#include <exception>

#include "engine/play/session.h"
#include "ui/main/frm_reelvik.h"
#include "ui/main/message_box.h"
#include "ui/stats/exact_analysis_job.h"
#include "ui/stats/frm_slot_chart.h"
#include "ui/stats/statistics_hits.h"

namespace kragmoor {

Application::Application() = default;

Application::~Application() = default;

void ConnectTheory(const ExactAnalysisJob& job, frmSlotChart& chart) {
    const auto deliver = [&job, &chart] {
        if (const ExactAnalysis* a = job.Result()) {
            chart.SetTheory(a->rtp.total_percent, a->sd_per_game);
        }
    };
    if (job.Done()) {
        deliver();
    } else {
        QObject::connect(&job, &ExactAnalysisJob::Finished, &chart, deliver);
    }
}

std::unique_ptr<Application> StartUp(const std::filesystem::path& dir) {
    Session session;
    try {
        session = OpenSession(dir, SessionOptions{.delete_leftovers = true});
    } catch (const std::exception& e) {
        ShowMessage(nullptr, QString::fromUtf8(e.what()));
        return nullptr;
    }
    auto app = std::make_unique<Application>();
    app->main = std::make_unique<frmReelvik>(std::move(session));
    app->hits = std::make_unique<StatisticsHits>(app->main->Engine());
    app->chart = std::make_unique<frmSlotChart>(app->main->Engine(), dir);
    ConnectTheory(app->main->Analysis(), *app->chart);
    // Placed before it shows, so that it does not jump, and again once its frame is known.
    app->main->PlaceOnScreen();
    app->main->show();
    app->main->PlaceOnScreen();
    // The chart spans the top of the screen; the hit table sits left of the main window.
    app->chart->show();
    app->hits->show();
    app->hits->PlaceBeside(*app->main);
    app->main->raise();
    app->main->activateWindow();
    return app;
}

}  // namespace kragmoor
