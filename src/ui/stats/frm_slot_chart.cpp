#include "ui/stats/frm_slot_chart.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <string>

#include "engine/analysis/run_verdict.h"
#include "ui/layout/twips.h"
#include "ui/stats/bitmap_file.h"
#include "ui/stats/chart_setup_frame.h"
#include "ui/stats/repaint_throttle.h"
#include "ui/stats/stats_dialogs.h"

namespace kragmoor {
namespace {

constexpr auto kRepaintPeriod = std::chrono::milliseconds(40);
// As often as the main window takes its turns in a run.
constexpr auto kTurnPeriod = std::chrono::milliseconds(20);

}  // namespace

frmSlotChart::frmSlotChart(Simulator& engine, std::filesystem::path dir, QWidget* parent)
    : QWidget(parent), engine_(engine), dir_(std::move(dir)), canvas_(font()), turns_(kTurnPeriod) {
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("frmSlotChart"));
    setWindowTitle(QStringLiteral("Slot Chart"));
    setAttribute(Qt::WA_OpaquePaintEvent);  // the picture covers every pixel

    cmdCharSetup_ = new QPushButton(QStringLiteral("Char Setup"), this);
    cmdCharSetup_->setObjectName(QStringLiteral("cmdCharSetup"));
    cmdCharSetup_->adjustSize();
    cmdCharSetup_->move(0, 0);
    connect(cmdCharSetup_, &QPushButton::clicked, this, &frmSlotChart::cmdCharSetup_Click);

    fraCharSetup_ = new ChartSetupFrame(this);
    fraCharSetup_->move(360 / kTwipsPerPixel, 360 / kTwipsPerPixel);
    fraCharSetup_->hide();
    ShowAppliedSettings();
    connect(fraCharSetup_, &ChartSetupFrame::FieldChanged, this, [this] { SetupChanged_ = true; });
    ConnectOptions();
    cmdCharSetup_->raise();

    throttle_ = new RepaintThrottle(
        kRepaintPeriod, [this] { Repaint(); }, this);
    PlaceOnScreen();
    canvas_.Resize(size(), engine_.Chart().Scale());
    engine_.AddObserver(this);
}

frmSlotChart::~frmSlotChart() {
    engine_.RemoveObserver(this);
}

namespace {

QRect ScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

// The top left of the primary screen's work area (without task bars), its full width and 5/8
// of its height, borders and title bar included once the window manager has added them.
void frmSlotChart::PlaceOnScreen() {
    const QRect area = ScreenArea();
    move(area.topLeft());
    resize(area.width(), area.height() * 5 / 8);
}

void frmSlotChart::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (frame_fitted_) return;
    frame_fitted_ = true;
    // The window manager frames the window after it is shown.
    QTimer::singleShot(100, this, &frmSlotChart::FitFrameToScreen);
}

void frmSlotChart::FitFrameToScreen() {
    const QSize border = frameGeometry().size() - size();
    if (border.width() <= 0 && border.height() <= 0) return;
    const QRect area = ScreenArea();
    resize(area.width() - border.width(), area.height() * 5 / 8 - border.height());
    move(area.topLeft());
}

// The option boxes take effect at once: the engine reads them at its next point.
void frmSlotChart::ConnectOptions() {
    ChartOptions& options = engine_.Chart().Options();
    const std::pair<QCheckBox*, bool*> boxes[] = {
        {fraCharSetup_->chkContinue, &options.Continue}, {fraCharSetup_->chkClear, &options.Clear},
        {fraCharSetup_->chkPrint, &options.Print},       {fraCharSetup_->chkSave, &options.Save},
        {fraCharSetup_->chkChart, &options.Chart},
    };
    for (const auto& [box, flag] : boxes) {
        box->setChecked(*flag);
        bool* target = flag;
        connect(box, &QCheckBox::toggled, this, [target](bool on) { *target = on; });
    }
    connect(fraCharSetup_->chkSave, &QCheckBox::clicked, this, &frmSlotChart::chkSave_Click);
    connect(fraCharSetup_->chkBand, &QCheckBox::toggled, this, [this](bool on) {
        FitPicture();
        canvas_.ShowBand(on);
        update();
    });
}

void frmSlotChart::SetTheory(double exact_rtp_percent, double sd_per_game) {
    theory_set_ = true;
    exact_rtp_percent_ = exact_rtp_percent;
    sd_per_game_ = sd_per_game;
    FitPicture();
    canvas_.SetBand(exact_rtp_percent, sd_per_game);
    update();
}

void frmSlotChart::ChartCleared() {
    canvas_.Clear(engine_.Chart().Scale());
}

void frmSlotChart::ChartPointAdded(const ChartPoint& point) {
    canvas_.Add(point, engine_.State().TotalBet / kTotalBet);
    if (!flush_posted_) {
        // Single steps add points outside any run; a zero timer draws them once control returns
        // to the event loop. During a run the window's turns usually come first.
        flush_posted_ = true;
        QTimer::singleShot(0, this, &frmSlotChart::FlushPending);
    }
}

// A window that is not shown gets no resize event; the picture follows its size all the same,
// so that a bitmap always has the window's size.
void frmSlotChart::FitPicture() {
    if (canvas_.Image().size() == size()) return;
    canvas_.Resize(size(), canvas_.Scale());
    update();
}

void frmSlotChart::FlushPending() {
    flush_posted_ = false;
    FitPicture();
    canvas_.Flush();
    if (!canvas_.Image().isNull()) throttle_->Request(engine_.Running());
}

// During a run the points queued since the last turn are drawn, so that the window shows them
// when the main window lets it process its events.
void frmSlotChart::Yield() {
    if (turns_.Due()) FlushPending();
}

void frmSlotChart::ChartFull(std::string_view summary, std::string_view bitmap_file) {
    FitPicture();
    canvas_.Print(QString::fromStdString(Judged(summary)));
    if (!bitmap_file.empty()) SavePicture(bitmap_file, false);
    throttle_->Request(engine_.Running());
}

// The summary with the run's verdict against the exact RTP ("  z = 0.83 pass"), once known.
std::string frmSlotChart::Judged(std::string_view summary) const {
    std::string text(summary);
    if (!theory_set_) return text;
    const RunState& st = engine_.State();
    const double rtp = st.TotalBet == 0 ? 0.0
                                        : 100.0 * static_cast<double>(st.TotalWin) /
                                              static_cast<double>(st.TotalBet);
    const RunVerdict v = JudgeRun(exact_rtp_percent_, sd_per_game_, rtp, st.TotalBet / kTotalBet);
    if (v.verdict == Verdict::kNone) return text;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "  z = %.2f %s", v.z_score, VerdictText(v.verdict));
    return text + buffer;
}

void frmSlotChart::Repaint() {
    const QRect dirty = canvas_.TakeDirty();
    if (!dirty.isEmpty()) update(dirty);
}

void frmSlotChart::paintEvent(QPaintEvent* event) {
    FitPicture();
    QPainter painter(this);
    const QRect rect = event->rect();
    painter.drawImage(rect.topLeft(), canvas_.Image(), rect);
}

// A resize draws the frame anew at the new size and redraws the recorded curves onto it, so
// the picture stays sharp; bitmaps are saved at the size the window has then.
void frmSlotChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitPicture();
}

void frmSlotChart::cmdCharSetup_Click() {
    // isHidden, not isVisible: the toggle must also work while the window itself is not shown.
    fraCharSetup_->setHidden(!fraCharSetup_->isHidden());
    if (!SetupChanged_ || !fraCharSetup_->isHidden()) return;
    engine_.ReadChartSetup(fraCharSetup_->ScaleTexts(), fraCharSetup_->CounterResetTexts());
    SetupChanged_ = false;
    ShowAppliedSettings();
    FlushPending();
    if (fraCharSetup_->chkPrint->isChecked()) AskPrint();
}

// The fields show the values in effect: a text that was no number reads 0, a fraction its
// rounded whole number, so the user sees at once what the chart uses.
void frmSlotChart::ShowAppliedSettings() {
    fraCharSetup_->SetTexts(engine_.Chart().ScaleTexts(), engine_.Chart().CounterResetTexts());
}

void frmSlotChart::AskPrint() {
    if (AskQuestion(this, QStringLiteral("Print data ?"), false)) QApplication::beep();
}

void frmSlotChart::chkSave_Click() {
    if (!fraCharSetup_->chkSave->isChecked()) return;
    if (AskQuestion(this, QStringLiteral("Save now?"), true)) SaveNow();
}

void frmSlotChart::SaveNow() {
    FitPicture();
    canvas_.Print(QString::fromStdString(engine_.ChartSaveNowSummary()));
    SavePicture("TestTemp.bmp", true);
    throttle_->Now();
}

void frmSlotChart::SavePicture(std::string_view file_name, bool interactive) {
    const std::filesystem::path path = dir_ / std::filesystem::path(file_name);
    QString error;
    const std::u8string utf8 = path.u8string();
    const QString name = QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()),
                                           static_cast<qsizetype>(utf8.size()));
    if (SaveBitmap(canvas_.Image(), name, &error)) return;
    // A run saves a picture at every full chart: its first failure is told without stopping
    // the run, later ones are not repeated. A save asked for is always answered.
    if (interactive) {
        TellError(this, error, true);
    } else if (!save_error_shown_) {
        save_error_shown_ = true;
        TellError(this, error, false);
    }
}

}  // namespace kragmoor
