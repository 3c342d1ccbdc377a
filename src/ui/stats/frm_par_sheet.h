// The par sheet window: the game's exact figures and one row per paying combination, the rows
// that break an odds rule on a coloured ground with the rule named. It shows the analysis the
// main window started at load: while that still works, its progress; when it failed, why. A
// click on the table copies it to the clipboard as the hit table's click does.
#pragma once

#include <QWidget>

#include "model/game_model.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QTableView;

namespace kragmoor {

class ClipboardCopy;
class ExactAnalysisJob;
class ParTableModel;

class frmParSheet : public QWidget {
    Q_OBJECT

  public:
    // Follows `job` (which must outlive the window); names combinations after `def`.
    frmParSheet(const GameDefinition& def, const ExactAnalysisJob& job, QWidget* parent = nullptr);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The click on the table.
    void CopyTable();
    void ShowProgress(double fraction);
    void ShowResult();

    const GameDefinition& def_;
    const ExactAnalysisJob& job_;
    ParTableModel* model_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QProgressBar* barProgress_ = nullptr;
    QPlainTextEdit* txtFigures_ = nullptr;
    QTableView* grdCombinations_ = nullptr;
    ClipboardCopy* copy_ = nullptr;
};

}  // namespace kragmoor
