#include "helpers/fixtures.h"

#include <QtTest>

namespace kragmoor::testing {

GameDir::GameDir(bool reference_game) {
    if (!reference_game) return;
    std::filesystem::copy_file(std::filesystem::path(KRAGMOOR_TEST_DATA) / "g0" / "ReelSetup.ini",
                               Path() / "ReelSetup.ini");
}

WindowFixture::WindowFixture(const std::string& definition) : dir(definition.empty()) {
    if (!definition.empty()) dir.Write("ReelSetup.ini", definition);
    window_ = std::make_unique<frmReelvik>(OpenSession(dir.Path(), SessionOptions{}));
    window_->SetQuitFunction([this] { ++quit_calls; });
}

void WindowFixture::ShowActive() {
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) qWarning("window not active");
}

void StatsGame::PlayAndRefresh(int games) {
    RunState& state = run.MutableState();
    for (int i = 0; i < games; ++i) {
        state.SkipDisplay = 1;
        ++state.Games;
        run.PlayBaseGame();
        if (state.InFreeSpins) run.EndFeature();
    }
    state.SkipDisplay = 0;
    run.ShowHits();
}

}  // namespace kragmoor::testing
