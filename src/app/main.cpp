// kragmoor: the window application. Plays the game defined by ReelSetup.ini in the working
// directory and writes its reports and logs there.
#include <QApplication>
#include <filesystem>

#include "model/config.h"
#include "ui/main/start_up.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kragmoor::config::kGameName));
    QApplication::setStyle(QStringLiteral("Fusion"));  // button colours look the same everywhere
    const auto windows = kragmoor::StartUp(std::filesystem::current_path());
    if (!windows) return 1;
    return QApplication::exec();
}
