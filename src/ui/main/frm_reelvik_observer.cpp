// The engine's hooks for the main window. During an automatic run they only record what a shown
// game looks like; the widgets catch up at the window's next turn (Yield) or when the run ends.
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

void frmReelvik::ShowReels() {
    display_.SetWindow(engine_.State().Window);
    cells_dirty_ = true;
}

void frmReelvik::ShowStop(int reel, int stop) {
    if (reel < 0 || reel >= kReels) return;
    reel_captions_[static_cast<std::size_t>(reel)] = stop;
    reel_caption_set_[static_cast<std::size_t>(reel)] = true;
    captions_dirty_ = true;
}

void frmReelvik::SetText(std::string_view text) {
    text_.assign(text);
    text_dirty_ = true;
}

void frmReelvik::AppendText(std::string_view text) {
    text_.append(text);
    text_dirty_ = true;
}

void frmReelvik::DrawWinLine(int line) {
    const double w = image_list_.Width();
    const double h = image_list_.Height();
    const QColor colour = ToQColor(LineColour(line));
    const LineSegments segments = LineGeometry(line, w, h);
    for (int i = 0; i < segments.count; ++i) {
        const CellSegment& s = segments.segment[static_cast<std::size_t>(i)];
        display_.AddSegment(s.cell, QLineF(s.x0, s.y0, s.x1, s.y1), colour);
    }
    cells_dirty_ = true;
}

void frmReelvik::DrawScatterBox(int row, int reel) {
    display_.AddBox(row * kReels + reel, kScatterGreen);
    cells_dirty_ = true;
}

void frmReelvik::Message(std::string_view text) {
    Sync();  // the game that asks is on screen behind its message
    ShowMessage(this, QString::fromStdString(std::string(text)));
}

void frmReelvik::Beep() {
    QApplication::beep();
}

void frmReelvik::RunStateChanged() {
    cmdAUTO->setText(engine_.Running() ? QStringLiteral("Stop") : QStringLiteral("Run"));
}

void frmReelvik::AllowCreditEntry(bool allowed) {
    cmdAdd->setEnabled(allowed);
}

void frmReelvik::AllowStep(bool allowed) {
    cmdStart->setEnabled(allowed);
}

void frmReelvik::OfferStep() {
    cmdStart->setFocus();
}

void frmReelvik::OfferCreditEntry() {
    cmdAdd->setFocus();
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
