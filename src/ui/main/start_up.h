// The window application's start-up: open the session in the working directory (delete the
// leftovers, read the definition, seed the random numbers, write the description report, create
// the logs), then create the main window and the statistics windows and show them. A definition
// that cannot be read is refused with one message box before any window opens.
#pragma once

#include <filesystem>
#include <memory>

namespace kragmoor {

class ChartView;
class HitsView;
class RunControl;
class frmReelvik;

// The windows of a started application, alive until the program ends.
// The statistics windows go first when it ends, before the main window whose run control they
// read.
struct Application {
    Application();
    ~Application();
    std::unique_ptr<frmReelvik> main;
    std::unique_ptr<HitsView> hits;
    std::unique_ptr<ChartView> chart;
};

// Null when the session could not be opened; the reason has then been shown.
std::unique_ptr<Application> StartUp(const std::filesystem::path& dir);

// Makes the hit statistics window and the chart window over the main window's run control; the
// chart saves its bitmaps in `dir`.
void CreateStatisticsWindows(Application& app, RunControl& control,
                             const std::filesystem::path& dir);

}  // namespace kragmoor
