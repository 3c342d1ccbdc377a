#include "ui/main/start_up.h"

#include <exception>

#include "engine/session.h"
#include "ui/main/frm_reelvik.h"
#include "ui/main/message_box.h"
#include "ui/main/statistics_views.h"

namespace kragmoor {

Application::Application() = default;
Application::~Application() = default;

void CreateStatisticsWindows(Application& /*app*/, RunControl& /*control*/) {
    // The hit table (StatisticsHits) and the RTP chart (frmSlotChart) are created here and set
    // into app.hits and app.chart. Until they are, the run control keeps both alone.
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
    CreateStatisticsWindows(*app, app->main->Control());
    app->main->SetStatisticsViews(app->hits.get(), app->chart.get());
    app->main->show();
    app->main->PlaceOnScreen();
    if (app->hits) app->hits->ShowView();
    if (app->chart) app->chart->ShowView();
    app->main->raise();
    app->main->activateWindow();
    return app;
}

}  // namespace kragmoor
