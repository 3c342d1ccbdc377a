// The main window's controls and the engine verbs they stand for, and the upkeep of its
// widgets.
#include "ui/main/frm_reelvik.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <optional>
#include <vector>

#include "ui/about/frm_about_math.h"
#include "ui/layout/window_placement.h"
#include "ui/main/credit_entry.h"
#include "ui/main/reel_window.h"
#include "ui/stats/exact_analysis_job.h"
#include "ui/stats/frm_par_sheet.h"

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

void ShowOnTop(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

PixelRect ToPixels(const QRect& r) {
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

// A window opens clear of the others where the screen's work area has room: of all of them, or
// else of the main window and the chart (over the hit table); otherwise where it stands.
void PlaceClearOfOthers(QWidget& window, const QWidget& main) {
    const QScreen* screen = main.screen() ? main.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    std::vector<PixelRect> all, main_and_chart;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &window || !w->isVisible()) continue;
        all.push_back(ToPixels(w->frameGeometry()));
        if (w == &main || w->objectName() == QStringLiteral("frmSlotChart"))
            main_and_chart.push_back(all.back());
    }
    const PixelRect area = ToPixels(screen->availableGeometry());
    const PixelSize wanted{window.width(), window.height()}, least{480, 300};
    std::optional<PixelRect> place = PlaceClear(area, all, wanted, least);
    if (!place) place = PlaceClear(area, main_and_chart, wanted, least);
    if (!place) return;
    window.move(place->left, place->top);
    window.resize(place->Width(), place->Height());
}

}  // namespace

frmReelvik::frmReelvik(Session session, QWidget* parent)
    : QWidget(parent),
      session_(std::move(session)),
      engine_(session_),
      image_list_(session_.definition.SymbolName),
      throttle_(kYieldPeriod),
      display_throttle_(kDisplayPeriod),
      text_(session_.definition.SymbolName),
      analysis_(std::make_unique<ExactAnalysisJob>(session_.definition)) {
    engine_.AddObserver(this);
    BuildControls();
    ConnectControls();
    LoadDefinition();
}

frmReelvik::~frmReelvik() {
    engine_.RemoveObserver(this);
    if (about_) delete about_.data();
    if (par_sheet_) delete par_sheet_.data();
}

// --- the controls and the engine verbs they stand for ---

// Every button, the option box and the credit entry, each with the engine verb it stands for.
void frmReelvik::ConnectControls() {
    OnClick(cmdStart, [this] { engine_.Step(); });
    OnClick(cmdAUTO, [this] {
        throttle_.Restart();
        threaded_run_.StartOrStop(Threads->value());  // a run returns only when it has ended
    });
    OnClick(cmdSave, [this] { engine_.Save(); });
    for (int reel = 0; reel < kReels; ++reel) {
        OnClick(cmdReels[static_cast<std::size_t>(reel)], [this, reel] {
            engine_.SelectReel(reel);
            RefreshReelButtons();
        });
    }
    connect(cmdExit, &QPushButton::clicked, this, &frmReelvik::Exit);
    connect(chkStopJP, &QCheckBox::clicked, this,
            [this](bool checked) { engine_.SetAutoStop(checked); });
    connect(cmdAdd, &QPushButton::clicked, this, &frmReelvik::OpenCreditEntry);
    connect(txtAddCredit, &CreditEntry::escapePressed, this, &frmReelvik::CancelCreditEntry);
    connect(txtAddCredit, &CreditEntry::enterPressed, this, &frmReelvik::BookCredit);
    connect(cmd_SlotDesignDetails, &QPushButton::clicked, this, &frmReelvik::ShowAbout);
    connect(cmdParSheet, &QPushButton::clicked, this, &frmReelvik::ShowParSheet);
    auto* par_key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(par_key, &QShortcut::activated, this, &frmReelvik::ShowParSheet);
}

// After a verb the widgets show where the engine stands. Nothing runs once Exit has begun.
void frmReelvik::OnClick(QPushButton* button, std::function<void()> verb) {
    connect(button, &QPushButton::clicked, this, [this, verb = std::move(verb)] {
        if (exiting_) return;
        verb();
        if (exiting_) return;  // Exit clicked at a turn of the run that just ended
        RunStateChanged();
        Sync();
        RefreshLabels();
    });
}

void frmReelvik::Exit() {
    if (exiting_) return;
    exiting_ = true;
    engine_.Exit();  // closes the logs and ends a run going on below this click
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    QCoreApplication::quit();
}

void frmReelvik::closeEvent(QCloseEvent* event) {
    Exit();
    event->accept();
}

// The about box and the par sheet are made at their first opening and only hidden when closed,
// so that one opened again before the event loop has run (a shortcut pressed right after a
// close) is never a window already queued for deletion.
void frmReelvik::ShowAbout() {
    if (!about_) about_ = new frmAboutMath(nullptr);
    ShowOnTop(about_);
}

void frmReelvik::ShowParSheet() {
    if (exiting_) return;
    if (!par_sheet_) {
        par_sheet_ = new frmParSheet(engine_.Definition(), *analysis_, nullptr);
        PlaceClearOfOthers(*par_sheet_, *this);
    }
    ShowOnTop(par_sheet_);
}

// --- credit entry ---

void frmReelvik::SetEntryButtonsEnabled(bool enabled) {
    for (QPushButton* b : {cmdAdd, cmdExit, cmdAUTO, cmdStart, cmdSave}) b->setEnabled(enabled);
}

void frmReelvik::OpenCreditEntry() {
    if (exiting_) return;
    SetEntryButtonsEnabled(false);
    txtAddCredit->clear();
    txtAddCredit->show();
    txtAddCredit->raise();
    txtAddCredit->setFocus();
}

void frmReelvik::CancelCreditEntry() {
    SetEntryButtonsEnabled(true);
    cmdStart->setFocus();
    txtAddCredit->hide();
}

void frmReelvik::BookCredit() {
    const bool can_play = engine_.BookCredit(txtAddCredit->text().toStdString());
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
        QString shown = QString::fromStdString(text_.Text());
        shown.remove(QLatin1Char('\r'));
        txtTextBox1->setPlainText(shown);
    }
}

// Label1(0..6) and the counter each shows.
void frmReelvik::RefreshLabels() {
    using Counter = std::string (CounterLabels::*)() const;
    static constexpr std::array<Counter, 7> kShown = {
        &CounterLabels::WinLabel,       &CounterLabels::GamesLabel,   &CounterLabels::GameWinLabel,
        &CounterLabels::FreeSpinsLabel, &CounterLabels::HitRateLabel, &CounterLabels::CashLabel,
        &CounterLabels::TotalLabel};
    labels_dirty_ = false;
    const QFont base = font();
    const CounterLabels& counters = engine_.Labels();
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        SetFittedText(Label1[i], QString::fromStdString((counters.*kShown[i])()), base);
    }
}

void frmReelvik::RefreshReelButtons() {
    const int selected = engine_.State().SelectedReel;
    for (std::size_t r = 0; r < cmdReels.size(); ++r) {
        QFont f = cmdReels[r]->font();
        f.setBold(static_cast<int>(r) == selected);
        cmdReels[r]->setFont(f);
    }
}

}  // namespace kragmoor
