// The engine's hooks for the main window: how the window shows what happened. During an automatic
// run they only record what a shown game looks like; the widgets catch up at the window's next
// turn (Yield) or when the run ends.
// The statistics windows observe the engine themselves.
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>

#include "ui/layout/line_geometry.h"
#include "ui/main/frm_reelvik.h"
#include "ui/main/message_box.h"

namespace kragmoor {
namespace {

QColor ToQColor(Rgb c) {
    return {c.r, c.g, c.b};
}

const QColor kScatterGreen(0, 255, 0);

}  // namespace

void frmReelvik::ReelsStopped(const std::int16_t (&stops)[kReels]) {
    for (std::size_t r = 0; r < kReels; ++r) {
        reel_captions_[r] = stops[r];
        reel_caption_set_[r] = true;
    }
    captions_dirty_ = true;
}

// The new window erases the win lines and scatter boxes of the previous game.
void frmReelvik::GameShown(const ShownGame& game) {
    display_.SetWindow(game.window);
    cells_dirty_ = true;
    text_.GameShown(game);
    text_dirty_ = true;
}

void frmReelvik::LineWon(const LineWin& win) {
    text_.LineWon(win);
    text_dirty_ = true;
    const double w = image_list_.Width();
    const double h = image_list_.Height();
    const QColor colour = ToQColor(LineColour(win.line));
    const LineSegments segments =
        LineGeometry(session_.definition.LineTable[static_cast<std::size_t>(win.line)], w, h);
    for (int i = 0; i < segments.count; ++i) {
        const CellSegment& s = segments.segment[static_cast<std::size_t>(i)];
        display_.AddSegment(s.cell, QLineF(s.x0, s.y0, s.x1, s.y1), colour);
    }
    cells_dirty_ = true;
}

// A green box around every scatter in the window.
void frmReelvik::ScattersWon(const ScatterWin& win) {
    text_.ScattersWon(win);
    text_dirty_ = true;
    for (int i = 0; i < win.cell_count; ++i) {
        const WindowCell& c = win.cells[static_cast<std::size_t>(i)];
        display_.AddBox(c.row * kReels + c.reel, kScatterGreen);
    }
    cells_dirty_ = true;
}

void frmReelvik::FreeSpinsAwarded(const FreeSpinsAward& award) {
    text_.FreeSpinsAwarded(award);
    text_dirty_ = true;
}

void frmReelvik::GameEnded(const GameEnd& end) {
    text_.GameEnded(end);
    text_dirty_ = true;
}

void frmReelvik::Notify(std::string_view text) {
    Sync();  // the game that asks is on screen behind its message
    ShowMessage(this, QString::fromStdString(std::string(text)));
}

void frmReelvik::AutoStopped(const AutoStopAt& at) {
    Notify(GameText::AutoStopNotice(at));
}

void frmReelvik::CycleEnded(std::int64_t games) {
    Notify(GameText::CycleEndNotice(games));
}

void frmReelvik::WriteFailed(std::string_view message) {
    Notify(message);
}

void frmReelvik::SaveDone(bool ok) {
    text_.SaveDone(ok);
    text_dirty_ = true;
    if (text_.TakeBeep()) QApplication::beep();
}

// Nothing can be played until credit is entered: the notice, then the credit entry offered.
void frmReelvik::CreditTooLow() {
    Notify(GameText::CreditTooLowNotice());
    cmdStart->setEnabled(false);
    cmdAdd->setEnabled(true);
    cmdAdd->setFocus();
}

void frmReelvik::RunStateChanged() {
    cmdAUTO->setText(engine_.Running() ? QStringLiteral("Stop") : QStringLiteral("Run"));
}

void frmReelvik::AllowCreditEntry(bool allowed) {
    cmdAdd->setEnabled(allowed);
}

void frmReelvik::OfferStep() {
    cmdStart->setFocus();
}

void frmReelvik::LabelsChanged() {
    labels_dirty_ = true;
    if (!engine_.Running()) RefreshLabels();
}

void frmReelvik::Yield() {
    if (!throttle_.Due()) return;
    if (display_throttle_.Due()) SyncDisplay();
    if (labels_dirty_) RefreshLabels();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // The time spent answering the window does not count against the run's share.
    throttle_.Restart();
}

// Inside a long feature the window takes its turns on the same rule, so that Stop and Exit work
// there too.
void frmReelvik::FeatureYield() {
    Yield();
}

}  // namespace kragmoor
