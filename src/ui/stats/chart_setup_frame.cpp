#include "ui/stats/chart_setup_frame.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "model/game_constants.h"
#include "ui/layout/twips.h"

namespace kragmoor {
namespace {

constexpr int kMargin = 8;
constexpr int kColumnGap = 14;

// Each caption leaves a run of blanks in which its field sits: "X size [500] steps".
const char* const kScaleCaptions[4] = {
    "X size               steps",
    "Min                   %",
    "Step                 %",
    "Target              %",
};

const QColor kResetColours[3] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(150, 200, 255)};

const char* const kOptionTip = "When unchecked the drawing stops at the end of the chart";

QLineEdit* NewField(QWidget* parent, const QString& name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight);
    field->setMaxLength(12);
    return field;
}

}  // namespace

ChartSetupFrame::ChartSetupFrame(QWidget* parent)
    : QGroupBox(QStringLiteral("Chart Setup"), parent) {
    setObjectName(QStringLiteral("fraCharSetup"));
    setAutoFillBackground(true);
    BuildFields();
    BuildOptions();
    LayOut();
}

void ChartSetupFrame::BuildFields() {
    for (int i = 0; i < 4; ++i) {
        lblMastabi[i] = new QLabel(QString::fromLatin1(kScaleCaptions[i]), this);
        lblMastabi[i]->setObjectName(QStringLiteral("lblMastabi%1").arg(i));
        txtMastabi[i] = NewField(this, QStringLiteral("txtMastabi%1").arg(i));
        connect(txtMastabi[i], &QLineEdit::textChanged, this, &ChartSetupFrame::FieldChanged);
    }
    lblCounters = new QLabel(QStringLiteral("Line counter reset"), this);
    lblCounters->setObjectName(QStringLiteral("lblCounters"));
    for (int i = 0; i < 3; ++i) {
        txtCounterRST[i] = NewField(this, QStringLiteral("txtCounterRST%1").arg(i));
        QPalette palette = txtCounterRST[i]->palette();
        palette.setColor(QPalette::Base, kResetColours[i]);
        palette.setColor(QPalette::Text, Qt::black);
        txtCounterRST[i]->setPalette(palette);
        connect(txtCounterRST[i], &QLineEdit::textChanged, this, &ChartSetupFrame::FieldChanged);
    }
}

void ChartSetupFrame::BuildOptions() {
    auto make = [this](const char* caption, const char* name) {
        auto* box = new QCheckBox(QString::fromLatin1(caption), this);
        box->setObjectName(QString::fromLatin1(name));
        box->setToolTip(QString::fromLatin1(kOptionTip));
        return box;
    };
    chkContinue = make("Continue", "chkContinue");
    chkClear = make("Clear", "chkClear");
    chkPrint = make("Print", "chkPrint");
    chkSave = make("Save", "chkSave");
    chkChart = make("Chart", "chkChart");
    chkBand = new QCheckBox(QStringLiteral("Band"), this);
    chkBand->setObjectName(QStringLiteral("chkBand"));
    chkBand->setToolTip(QString::fromUtf8(
        "The dashed magenta curves: exact RTP \u00b1 1.96 \u03c3 / \u221agames, the 95 % band of "
        "the red curve"));
    chkBand->setChecked(true);
}

// Places the controls by the font's measures, so every caption is whole whatever the font; the
// frame keeps its designed size (4455 x 2175 twips) unless the font needs more.
void ChartSetupFrame::LayOut() {
    const QFontMetrics fm(font());
    const int row = std::max(fm.height() + 8, 22);
    const int top = fm.height() + 6;
    const int blank = fm.horizontalAdvance(QLatin1Char(' '));
    const int field_min = fm.horizontalAdvance(QStringLiteral("00000")) + 10;

    int label_width = 0;
    for (int i = 0; i < 4; ++i) {
        const QString caption = lblMastabi[i]->text();
        const int words_end = static_cast<int>(caption.indexOf(QLatin1String("  ")));
        const int suffix_start = static_cast<int>(caption.lastIndexOf(QLatin1Char(' '))) + 1;
        const int y = top + i * row;
        const int width = fm.horizontalAdvance(caption);
        lblMastabi[i]->setGeometry(kMargin, y, width + 2, row - 2);
        label_width = std::max(label_width, width);
        // The field covers the blanks between the caption's words, less one blank each side.
        const int left = fm.horizontalAdvance(caption.left(words_end)) + blank;
        const int right = fm.horizontalAdvance(caption.left(suffix_start)) - blank;
        const int field_width = std::max(right - left, field_min);
        txtMastabi[i]->setGeometry(kMargin + left, y, field_width, row - 2);
    }

    const int right_x = kMargin + label_width + kColumnGap;
    const int counters_width = std::max(fm.horizontalAdvance(lblCounters->text()) + 4, field_min);
    lblCounters->setGeometry(right_x, top, counters_width, row - 2);
    for (int i = 0; i < 3; ++i) {
        txtCounterRST[i]->setGeometry(right_x, top + (i + 1) * row,
                                      std::max(field_min + 10, counters_width / 2), row - 2);
    }

    int x = kMargin;
    const int options_y = top + 4 * row + 4;
    for (QCheckBox* box : {chkContinue, chkClear, chkPrint, chkSave, chkChart}) {
        box->adjustSize();
        box->move(x, options_y);
        x += box->width() + 6;
    }
    // After the designed boxes, which keep their places.
    chkBand->adjustSize();
    chkBand->move(x, options_y);
    x += chkBand->width() + 6;

    const int width =
        std::max({4455 / kTwipsPerPixel, right_x + counters_width + kMargin, x + kMargin});
    const int height = std::max(2175 / kTwipsPerPixel, options_y + chkChart->height() + kMargin);
    setFixedSize(width, height);
}

std::array<std::string, 4> ChartSetupFrame::ScaleTexts() const {
    std::array<std::string, 4> texts;
    for (int i = 0; i < 4; ++i) texts[i] = txtMastabi[i]->text().toStdString();
    return texts;
}

std::array<std::string, 3> ChartSetupFrame::CounterResetTexts() const {
    std::array<std::string, 3> texts;
    for (int i = 0; i < 3; ++i) texts[i] = txtCounterRST[i]->text().toStdString();
    return texts;
}

void ChartSetupFrame::SetTexts(const std::array<std::string, 4>& scale,
                               const std::array<std::string, 3>& reset) {
    const QSignalBlocker blocker(this);
    for (int i = 0; i < 4; ++i) txtMastabi[i]->setText(QString::fromStdString(scale[i]));
    for (int i = 0; i < 3; ++i) txtCounterRST[i]->setText(QString::fromStdString(reset[i]));
}

}  // namespace kragmoor
