// The chart's set-up frame "Chart Setup": the four scale fields over their captions, the three
// restart periods on the colours of their curves, the five option boxes and the band's box. It
// only holds the controls; the chart window decides what they do.
#pragma once

#include <QGroupBox>
#include <array>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace kragmoor {

class ChartSetupFrame : public QGroupBox {
    Q_OBJECT

  public:
    explicit ChartSetupFrame(QWidget* parent = nullptr);

    std::array<std::string, 4> ScaleTexts() const;
    std::array<std::string, 3> CounterResetTexts() const;
    // Shows texts without counting as a change by the user.
    void SetTexts(const std::array<std::string, 4>& scale, const std::array<std::string, 3>& reset);

    std::array<QLabel*, 4> lblMastabi{};
    std::array<QLineEdit*, 4> txtMastabi{};
    QLabel* lblCounters = nullptr;
    std::array<QLineEdit*, 3> txtCounterRST{};
    QCheckBox* chkContinue = nullptr;
    QCheckBox* chkClear = nullptr;
    QCheckBox* chkPrint = nullptr;
    QCheckBox* chkSave = nullptr;
    QCheckBox* chkChart = nullptr;
    // Not an option of the run: shows the 95 % band of the red curve (checked at first).
    QCheckBox* chkBand = nullptr;

  signals:
    // A scale or restart field was changed (typed, pasted or set by a program).
    void FieldChanged();

  private:
    void BuildFields();
    void BuildOptions();
    void LayOut();
};

}  // namespace kragmoor
