#include "ui/stats/repaint_throttle.h"

#include <utility>

namespace kragmoor {

RepaintThrottle::RepaintThrottle(std::chrono::milliseconds period, std::function<void()> repaint,
                                 QObject* parent)
    : QObject(parent), period_(period), repaint_(std::move(repaint)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &RepaintThrottle::Now);
}

void RepaintThrottle::Request(bool fold) {
    if (!fold) {
        Now();
        return;
    }
    if (timer_.isActive()) return;  // already folded into the coming repaint
    const qint64 elapsed = since_last_.isValid() ? since_last_.elapsed() : period_.count();
    if (elapsed >= period_.count()) {
        Now();
    } else {
        timer_.start(static_cast<int>(period_.count() - elapsed));
    }
}

void RepaintThrottle::Now() {
    timer_.stop();
    since_last_.start();
    repaint_();
}

}  // namespace kragmoor
