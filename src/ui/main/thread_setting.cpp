#include "ui/main/thread_setting.h"

#include <QSettings>
#include <QThread>
#include <algorithm>

namespace kragmoor::ThreadSetting {
namespace {

const QString kKey = QStringLiteral("Threads");

QSettings Settings() {
    return QSettings(QStringLiteral("Kragmoor"), QStringLiteral("Kragmoor"));
}

}  // namespace

int Cores() {
    return std::max(1, QThread::idealThreadCount());
}

int Load() {
    bool ok = false;
    const int saved = Settings().value(kKey).toInt(&ok);
    return ok ? std::clamp(saved, 1, Cores()) : Cores();
}

void Save(int threads) {
    Settings().setValue(kKey, threads);
}

}  // namespace kragmoor::ThreadSetting
