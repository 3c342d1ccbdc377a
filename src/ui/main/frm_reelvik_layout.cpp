// Building the main window: every control at its place (twips of the design converted to
// pixels), captions, colours, fonts and tool tips, and the state the loader leaves.
#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <cmath>

#include "engine/rules/stop_window.h"
#include "model/config.h"
#include "ui/about/quorvane_logo.h"
#include "ui/layout/twips.h"
#include "ui/main/credit_entry.h"
#include "ui/main/frm_reelvik.h"
#include "ui/main/reel_window.h"
#include "ui/main/thread_setting.h"
#include "ui/main/window_caption.h"

namespace kragmoor {
namespace {

int Px(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect Twips(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

const QColor kLightRed(255, 128, 128);
const QColor kLightOrange(255, 192, 128);
const QColor kPink(255, 192, 203);

void Colour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

// Garamond where it is installed, else the closest serif the system has.
QFont TitleFont() {
    QFont::insertSubstitutions(QStringLiteral("Garamond"),
                               {QStringLiteral("EB Garamond"), QStringLiteral("P052"),
                                QStringLiteral("Palatino Linotype"), QStringLiteral("Palatino"),
                                QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
    QFont f(QStringLiteral("Garamond"));
    f.setStyleHint(QFont::Serif);
    f.setPointSizeF(11.25);
    f.setBold(true);
    return f;
}

// The title lines in the largest size up to the design's that fits the label.
void FitTitle(QLabel* label) {
    QFont f = label->font();
    const QRect room = label->contentsRect();
    while (f.pointSizeF() > 7.0) {
        const QRect need =
            QFontMetrics(f).boundingRect(room, Qt::AlignLeft | Qt::AlignTop, label->text());
        if (need.height() <= room.height() && need.width() <= room.width()) break;
        f.setPointSizeF(f.pointSizeF() - 0.25);
    }
    label->setFont(f);
}

// A check box caption in a font small enough to show whole beside the box.
void FitCaption(QCheckBox* box) {
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                          box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
    QFont f = box->font();
    while (f.pixelSize() > 8 &&
           QFontMetrics(f).horizontalAdvance(box->text()) > box->width() - indicator - 2) {
        f.setPixelSize(f.pixelSize() - 1);
    }
    box->setFont(f);
}

}  // namespace

QPushButton* frmReelvik::MakeButton(const char* name, const QString& caption, QRect twips) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(Twips(twips.x(), twips.y(), twips.width(), twips.height()));
    b->setAutoDefault(true);  // Enter on a focused button clicks it, as Space does
    return b;
}

QLabel* frmReelvik::MakeLabel(const QString& name, QRect twips) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setGeometry(Twips(twips.x(), twips.y(), twips.width(), twips.height()));
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

void frmReelvik::BuildControls() {
    setObjectName(QStringLiteral("frmReelvik"));
    setFixedSize(kClientWidth, kClientHeight);
    QFont base = font();
    base.setPixelSize(11);
    setFont(base);
    BuildButtons();
    BuildCounters();

    Label2 = MakeLabel(QStringLiteral("Label2"), {240, 6960, 2655, 795});
    Label2->setFont(TitleFont());
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmd_SlotDesignDetails = MakeButton("cmd_SlotDesignDetails", QString(), {3135, 6930, 6930, 915});
    cmd_SlotDesignDetails->setToolTip(QStringLiteral(" Math Design Details "));
    const QSize logo = cmd_SlotDesignDetails->size() - QSize(6, 6);
    cmd_SlotDesignDetails->setIcon(QIcon(QuorvaneBanner(logo)));
    cmd_SlotDesignDetails->setIconSize(logo);

    Picture2 = new ReelWindow(display_, image_list_, this);
    BuildParSheetButton();
    BuildThreadsControl();

    setTabOrder(cmdStart, cmdAUTO);
    setTabOrder(cmdAUTO, cmdSave);
    setTabOrder(cmdSave, cmdAdd);
    setTabOrder(cmdAdd, cmdExit);
}

// Not a control of the window design, whose every place is taken: a button like the five at
// the bottom, in a column of its own added at the window's right edge, so that no designed
// control moves.
void frmReelvik::BuildParSheetButton() {
    cmdParSheet = MakeButton("cmdParSheet", QStringLiteral("Par"), {kDesignWidth, 8760, 495, 615});
    cmdParSheet->setToolTip(QStringLiteral(" Par sheet (Ctrl+P) "));
    cmdParSheet->setFocusPolicy(Qt::NoFocus);  // the tab order stays the design's
}

// Beside the designed controls too, above the par sheet's button: the threads Run plays on, one
// to every core, as the player last chose (every core the first time).
void frmReelvik::BuildThreadsControl() {
    auto* caption = MakeLabel(QStringLiteral("lblThreads"), {kDesignWidth, 7935, 555, 240});
    caption->setText(QStringLiteral("Threads"));
    QFont small = caption->font();
    small.setPixelSize(9);
    caption->setFont(small);
    Threads = new QSpinBox(this);
    Threads->setObjectName(QStringLiteral("Threads"));
    Threads->setGeometry(Twips(kDesignWidth, 8190, 555, 405));
    Threads->setRange(1, ThreadSetting::Cores());
    Threads->setValue(ThreadSetting::Load());
    Threads->setToolTip(
        QStringLiteral(" Threads that Run plays on: 1 plays the seeded sequence "
                       "of single games; more play chunks of a million games "));
    Threads->setFocusPolicy(Qt::NoFocus);  // the tab order stays the design's
    connect(Threads, &QSpinBox::valueChanged, this,
            [](int threads) { ThreadSetting::Save(threads); });
}

// The five buttons at the bottom left, the reel buttons above them and the two option boxes.
void frmReelvik::BuildButtons() {
    cmdExit = MakeButton("cmdExit", QStringLiteral("Exit"), {120, 8760, 495, 615});
    Colour(cmdExit, QPalette::Button, kLightRed);
    cmdAUTO = MakeButton("cmdAUTO", QStringLiteral("Run"), {720, 8760, 495, 615});
    cmdStart = MakeButton("cmdStart", QStringLiteral("Step"), {1320, 8760, 495, 615});
    cmdSave = MakeButton("cmdSave", QStringLiteral("Save"), {1920, 8760, 495, 615});
    Colour(cmdSave, QPalette::Button, kLightOrange);
    cmdAdd = MakeButton("cmdAdd", QStringLiteral("Add"), {2520, 8760, 495, 615});
    Colour(cmdAdd, QPalette::Button, kPink);
    cmdAdd->setToolTip(QString::fromUtf8(" Въвеждане на кредит "));
    for (int i = 0; i < kReels; ++i) {
        const std::string name = "cmdReels_" + std::to_string(i);
        cmdReels[static_cast<std::size_t>(i)] =
            MakeButton(name.c_str(), QString(), {120 + 600 * i, 8280, 495, 375});
    }

    chkRND = new QCheckBox(QStringLiteral("RNG mode"), this);
    chkRND->setObjectName(QStringLiteral("chkRND"));
    chkRND->setGeometry(Twips(120, 7920, 1095, 255));
    chkRND->setChecked(true);
    chkRND->setEnabled(false);  // random stops only: the odometer is for the headless runner
    chkStopJP = new QCheckBox(QStringLiteral("Auto Stop"), this);
    chkStopJP->setObjectName(QStringLiteral("chkStopJP"));
    chkStopJP->setGeometry(Twips(1230, 7920, 1035, 255));
    FitCaption(chkRND);
    FitCaption(chkStopJP);
}

// The counter labels, the credit field over the hit rate and the result text box.
void frmReelvik::BuildCounters() {
    const std::array<QRect, 7> places = {QRect(6600, 7920, 3435, 255), QRect(6600, 8340, 1695, 255),
                                         QRect(8340, 8340, 1695, 255), QRect(6600, 8730, 3435, 255),
                                         QRect(2280, 7920, 735, 255),  QRect(6600, 9120, 1695, 255),
                                         QRect(8340, 9120, 1695, 255)};
    for (std::size_t i = 0; i < places.size(); ++i) {
        Label1[i] = MakeLabel(QStringLiteral("Label1_%1").arg(i), places[i]);
    }
    Label1[0]->setToolTip(QStringLiteral(" Win / Bet  = RTP [percent] "));
    Label1[4]->setToolTip(QStringLiteral(" HitRate = "));
    Label1[5]->setAutoFillBackground(true);
    Colour(Label1[5], QPalette::Window, kPink);
    Label1[6]->setFrameShape(QFrame::Box);

    txtAddCredit = new CreditEntry(this);
    txtAddCredit->setObjectName(QStringLiteral("txtAddCredit"));
    txtAddCredit->setGeometry(Twips(2280, 7920, 735, 285));
    txtAddCredit->setText(QStringLiteral("0"));
    txtAddCredit->setToolTip(QString::fromUtf8(" Въведете кредит ! "));
    txtAddCredit->hide();

    txtTextBox1 = new QPlainTextEdit(this);
    txtTextBox1->setObjectName(QStringLiteral("txtTextBox1"));
    txtTextBox1->setGeometry(Twips(3120, 7860, 3375, 1575));
    txtTextBox1->setReadOnly(true);
    txtTextBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtTextBox1->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPixelSize(9);
    txtTextBox1->setFont(mono);
}

void frmReelvik::LoadDefinition() {
    const GameDefinition& def = engine_.Definition();
    setWindowTitle(WindowCaption(def));
    Label2->setText(QString::fromUtf8(config::kGameName) +
                    QStringLiteral("\nGame mathematics by\n") +
                    QString::fromUtf8(config::kDesigner));
    FitTitle(Label2);
    ShowStopZero();
    // The cells sit edge to edge, each as wide as a symbol picture.
    Picture2->LayOut(QPoint(Px(200), Px(60)), image_list_.Width());
    engine_.SetRandomStops(chkRND->isChecked());
    RefreshReelButtons();
    RefreshLabels();
}

// The loader shows the window of stop 0 on every reel: the strip's last position on top.
void frmReelvik::ShowStopZero() {
    const GameDefinition& def = engine_.Definition();
    for (int reel = 0; reel < kReels; ++reel) {
        const auto column = WindowColumn(def.ReelStrip, reel, 0, def.ReelLen[reel]);
        for (int row = 0; row < kRows; ++row) {
            display_.SetCell(row * kReels + reel, column[static_cast<std::size_t>(row)]);
        }
    }
}

void frmReelvik::PlaceOnScreen() {
    QScreen* s = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (s == nullptr) return;
    const QRect screen_rect = s->geometry();
    const QSize outer = frameGeometry().size();
    int left = screen_rect.right() + 1 - outer.width() - Px(60);
    int top = screen_rect.bottom() + 1 - outer.height() - Px(480);
    // Never under a panel or off a small screen.
    const QRect free = s->availableGeometry();
    left = std::clamp(left, free.left(), std::max(free.left(), free.right() + 1 - outer.width()));
    top = std::clamp(top, free.top(), std::max(free.top(), free.bottom() + 1 - outer.height()));
    move(left, top);
}

}  // namespace kragmoor
