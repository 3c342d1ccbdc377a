#include "ui/stats/frm_par_sheet.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "engine/analysis/par_sheet_text.h"
#include "ui/stats/clipboard_copy.h"
#include "ui/stats/exact_analysis_job.h"
#include "ui/stats/par_table_model.h"

namespace kragmoor {
namespace {

QFont Monospace(int pixels) {
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPixelSize(pixels);
    return mono;
}

}  // namespace

frmParSheet::frmParSheet(const GameDefinition& def, const ExactAnalysisJob& job, QWidget* parent)
    : QWidget(parent), def_(def), job_(job) {
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("frmParSheet"));
    setWindowTitle(QStringLiteral("Par sheet"));

    lblStatus_ = new QLabel(QStringLiteral("Computing the exact analysis..."), this);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setWordWrap(true);
    barProgress_ = new QProgressBar(this);
    barProgress_->setObjectName(QStringLiteral("barProgress"));
    barProgress_->setRange(0, 1000);

    txtFigures_ = new QPlainTextEdit(this);
    txtFigures_->setObjectName(QStringLiteral("txtFigures"));
    txtFigures_->setReadOnly(true);
    txtFigures_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtFigures_->setFont(Monospace(12));

    model_ = new ParTableModel(this);
    grdCombinations_ = new QTableView(this);
    grdCombinations_->setObjectName(QStringLiteral("grdCombinations"));
    grdCombinations_->setModel(model_);
    grdCombinations_->setSelectionMode(QAbstractItemView::NoSelection);
    grdCombinations_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCombinations_->setFocusPolicy(Qt::NoFocus);
    grdCombinations_->setWordWrap(false);
    grdCombinations_->verticalHeader()->hide();
    grdCombinations_->verticalHeader()->setDefaultSectionSize(
        grdCombinations_->fontMetrics().height() + 6);
    grdCombinations_->horizontalHeader()->setStretchLastSection(true);
    connect(grdCombinations_, &QTableView::clicked, this, &frmParSheet::CopyTable);
    connect(grdCombinations_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &frmParSheet::CopyTable);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(txtFigures_);
    split->addWidget(grdCombinations_);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus_);
    layout->addWidget(barProgress_);
    layout->addWidget(split, 1);
    copy_ = new ClipboardCopy(this, grdCombinations_);

    connect(&job_, &ExactAnalysisJob::Progressed, this, &frmParSheet::ShowProgress);
    connect(&job_, &ExactAnalysisJob::Finished, this, &frmParSheet::ShowResult);
    resize(1040, 780);
    if (job_.Done()) {
        ShowResult();
    } else {
        ShowProgress(job_.Progress());
    }
}

void frmParSheet::ShowProgress(double fraction) {
    barProgress_->setValue(static_cast<int>(fraction * 1000.0));
}

void frmParSheet::ShowResult() {
    barProgress_->hide();
    const ExactAnalysis* analysis = job_.Result();
    if (analysis == nullptr) {
        lblStatus_->setText(QStringLiteral("The exact analysis failed: ") + job_.Error());
        return;
    }
    lblStatus_->setText(QStringLiteral("Exact analysis: a click on the table copies it."));
    const std::string figures = ParSheetTitle(def_, "Exact analysis") + "\n" +
                                ParSheetFigures(*analysis, FigureLayout{26, false}) + "\n" +
                                DesignedRtpLine(*analysis);
    txtFigures_->setPlainText(QString::fromStdString(figures));
    model_->SetAnalysis(def_, *analysis);
    // The free spins' heading reaches over the columns before those it titles anew, so that
    // it does not widen the names' column.
    grdCombinations_->clearSpans();
    grdCombinations_->setSpan(model_->FreeSpinHeadingRow(), ParTableModel::kName, 1,
                              ParTableModel::kHitsPerGame);
    grdCombinations_->resizeColumnsToContents();
}

void frmParSheet::CopyTable() {
    copy_->Copy([this] { return model_->ClipboardText(); });
}

void frmParSheet::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (copy_ != nullptr) copy_->Centre();
}

}  // namespace kragmoor
