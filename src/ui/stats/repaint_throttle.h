// An automatic run refreshes the statistics views far more often than a person can read them
// (the hit table every 10000 games, the chart every 100). A repaint throttle passes the first
// request at once and folds the requests that follow within the period into one, delivered by a
// timer when the period is over, so the views stay current without costing the run its speed.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

namespace kragmoor {

class RepaintThrottle : public QObject {
    Q_OBJECT

  public:
    RepaintThrottle(std::chrono::milliseconds period, std::function<void()> repaint,
                    QObject* parent = nullptr);

    // Repaints now when the last repaint is at least a period ago, otherwise once at its end.
    // Unless `fold` is false (a single step: the user waits for it), then now.
    void Request(bool fold = true);
    // Repaints now, cancelling a pending one.
    void Now();

  private:
    std::chrono::milliseconds period_;
    std::function<void()> repaint_;
    QElapsedTimer since_last_;
    QTimer timer_;
};

}  // namespace kragmoor
