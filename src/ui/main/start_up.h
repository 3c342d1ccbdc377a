// The window application's start-up: open the session in the working directory (delete the
// leftovers, read the definition, seed the random numbers, write the description report, create
// the logs), then create the main window and the two statistics windows over its engine and show
// them. A definition that cannot be read is refused with one message box before any window opens.
#pragma once

#include <filesystem>
#include <memory>

namespace kragmoor {

class ExactAnalysisJob;
class StatisticsHits;
class frmReelvik;
class frmSlotChart;

// The windows of a started application, alive until the program ends. The statistics windows go
// first when it ends, before the main window whose engine they observe.
struct Application {
    Application();
    ~Application();
    std::unique_ptr<frmReelvik> main;
    std::unique_ptr<StatisticsHits> hits;
    std::unique_ptr<frmSlotChart> chart;
};

// The chart draws the band and the verdict of the job's analysis once it is done (at once when
// it already is); a failed analysis leaves the chart without them.
void ConnectTheory(const ExactAnalysisJob& job, frmSlotChart& chart);

// Null when the session could not be opened; the reason has then been shown.
std::unique_ptr<Application> StartUp(const std::filesystem::path& dir);

}  // namespace kragmoor
