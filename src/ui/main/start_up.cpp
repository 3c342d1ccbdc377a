#include "ui/main/start_up.h"

#include <exception>

#include "engine/session.h"
#include "ui/main/frm_reelvik.h"
#include "ui/main/message_box.h"
#include "ui/main/statistics_windows.h"

namespace kragmoor {

Application::Application() = default;
Application::~Application() = default;

void CreateStatisticsWindows(Application& app, RunControl& control,
                             const std::filesystem::path& dir) {
    app.hits = std::make_unique<HitsWindow>(control);
    app.chart = std::make_unique<ChartWindow>(control, dir);
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
    CreateStatisticsWindows(*app, app->main->Control(), dir);
    app->main->SetStatisticsViews(app->hits.get(), app->chart.get());
    // Placed before it shows, so that it does not jump, and again once its frame is known.
    app->main->PlaceOnScreen();
    app->main->show();
    app->main->PlaceOnScreen();
    // The chart spans the top of the screen; the hit table sits left of the main window.
    if (app->chart) app->chart->ShowView();
    if (app->hits) app->hits->ShowView(*app->main);
    app->main->raise();
    app->main->activateWindow();
    return app;
}

}  // namespace kragmoor
