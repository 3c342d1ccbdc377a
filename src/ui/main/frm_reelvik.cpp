// The main window's click handlers and the upkeep of its widgets.
#include "ui/main/frm_reelvik.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/about/frm_about_math.h"
#include "ui/main/credit_entry.h"
#include "ui/main/reel_window.h"

namespace kragmoor {
namespace {

// A turn every 20 ms keeps the window answering at once during a run; the counters are redrawn
// at every turn. The cells and the text box show a shown game of the run (one in 10000) ten
// times a second: more would only blur and would cost the run its pace.
constexpr auto kYieldPeriod = std::chrono::milliseconds(20);
constexpr auto kDisplayPeriod = std::chrono::milliseconds(100);

// A counter that grows past its label's width is shown in a smaller font rather than cut off.
void SetFittedText(QLabel* label, const QString& text, const QFont& base) {
    QFont f = base;
    const int room = label->contentsRect().width() - 2;
    while (f.pixelSize() > 7 && QFontMetrics(f).horizontalAdvance(text) > room) {
        f.setPixelSize(f.pixelSize() - 1);
    }
    if (label->font() != f) label->setFont(f);
    if (label->text() != text) label->setText(text);
}

}  // namespace

frmReelvik::frmReelvik(Session session, QWidget* parent)
    : QWidget(parent),
      session_(std::move(session)),
      control_(session_.definition, session_.logs, session_.dir, this),
      image_list_(session_.definition.Figures),
      throttle_(kYieldPeriod),
      display_throttle_(kDisplayPeriod),
      quit_([] { QCoreApplication::quit(); }) {
    BuildControls();
    LoadDefinition();
}

frmReelvik::~frmReelvik() {
    control_.SetObserver(nullptr);
    if (about_) delete about_.data();
}

void frmReelvik::SetStatisticsViews(HitsView* hits, ChartView* chart) {
    hits_view_ = hits;
    chart_view_ = chart;
}

void frmReelvik::SetQuitFunction(std::function<void()> quit) {
    quit_ = std::move(quit);
}

// --- click handlers ---

void frmReelvik::cmdStart_Click() {
    if (exiting_) return;
    control_.cmdStart_Click();
    Sync();
    RefreshLabels();
}

void frmReelvik::cmdAUTO_Click() {
    if (exiting_) return;
    throttle_.Restart();
    control_.cmdAUTO_Click();  // a run returns only when it has ended
    if (exiting_) return;
    RunStateChanged();
    Sync();
    RefreshLabels();
}

void frmReelvik::cmdSave_Click() {
    if (exiting_) return;
    control_.cmdSave_Click();
    Sync();
}

void frmReelvik::cmdExit_Click() {
    if (exiting_) return;
    exiting_ = true;
    control_.cmdExit_Click();  // closes the logs and ends a run going on below this click
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    if (quit_) quit_();
}

void frmReelvik::closeEvent(QCloseEvent* event) {
    cmdExit_Click();
    event->accept();
}

void frmReelvik::cmdReels_Click(int index) {
    if (exiting_) return;
    control_.cmdReels_Click(index);
    RefreshReelButtons();
}

void frmReelvik::chkStopJP_Click() {
    if (exiting_) return;
    control_.SetAutoStop(chkStopJP->isChecked());
}

void frmReelvik::cmd_SlotDesignDetails_Click() {
    if (!about_) {
        about_ = new frmAboutMath(nullptr);
        about_->setAttribute(Qt::WA_DeleteOnClose);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

// --- credit entry ---

void frmReelvik::SetEntryButtonsEnabled(bool enabled) {
    for (QPushButton* b : {cmdAdd, cmdExit, cmdAUTO, cmdStart, cmdSave}) b->setEnabled(enabled);
}

void frmReelvik::cmdAdd_Click() {
    if (exiting_) return;
    SetEntryButtonsEnabled(false);
    txtAddCredit->clear();
    txtAddCredit->show();
    txtAddCredit->raise();
    txtAddCredit->setFocus();
}

void frmReelvik::txtAddCredit_Escape() {
    SetEntryButtonsEnabled(true);
    cmdStart->setFocus();
    txtAddCredit->hide();
}

void frmReelvik::txtAddCredit_Enter() {
    const bool can_play = control_.BookCredit(txtAddCredit->text().toStdString());
    RefreshLabels();
    for (QPushButton* b : {cmdAdd, cmdExit, cmdAUTO, cmdSave}) b->setEnabled(true);
    txtAddCredit->hide();
    cmdStart->setEnabled(can_play);
    if (can_play) {
        cmdStart->setFocus();
    } else {
        cmdAdd->setFocus();
    }
}

// --- keeping the widgets in step ---

void frmReelvik::Sync() {
    SyncDisplay();
    if (labels_dirty_) RefreshLabels();
}

void frmReelvik::SyncDisplay() {
    if (cells_dirty_) {
        cells_dirty_ = false;
        Picture2->Refresh();
    }
    if (captions_dirty_) {
        captions_dirty_ = false;
        for (std::size_t r = 0; r < cmdReels.size(); ++r) {
            if (reel_caption_set_[r]) cmdReels[r]->setText(QString::number(reel_captions_[r]));
        }
    }
    if (text_dirty_) {
        text_dirty_ = false;
        QString shown = QString::fromStdString(text_);
        shown.remove(QLatin1Char('\r'));
        txtTextBox1->setPlainText(shown);
    }
}

void frmReelvik::RefreshLabels() {
    labels_dirty_ = false;
    const QFont base = font();
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        SetFittedText(Label1[i], QString::fromStdString(control_.Label(static_cast<int>(i))), base);
    }
}

void frmReelvik::RefreshReelButtons() {
    const int selected = control_.State().SelectedReel;
    for (std::size_t r = 0; r < cmdReels.size(); ++r) {
        QFont f = cmdReels[r]->font();
        f.setBold(static_cast<int>(r) == selected);
        cmdReels[r]->setFont(f);
    }
}

}  // namespace kragmoor
