#include "helpers/window_fixture.h"

#include <QtTest>

namespace kragmoor::testing {

WindowFixture::WindowFixture(const TestGame* game) {
    if (game != nullptr) {
        dir_.Write("ReelSetup.ini", game->Text());
    } else {
        dir_.CopyReferenceGame();
    }
    window_ = std::make_unique<frmReelvik>(dir_.Open());
    window_->SetQuitFunction([this] { ++quit_calls_; });
}

template <typename T>
static T* Find(QWidget& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) qFatal("no control %s", qPrintable(name));
    return child;
}

QPushButton* WindowFixture::Button(const QString& name) {
    return Find<QPushButton>(*window_, name);
}

QLabel* WindowFixture::Label(int index) {
    return Find<QLabel>(*window_, QStringLiteral("Label1_%1").arg(index));
}

QCheckBox* WindowFixture::Check(const QString& name) {
    return Find<QCheckBox>(*window_, name);
}

CreditEntry* WindowFixture::CreditField() {
    return Find<CreditEntry>(*window_, QStringLiteral("txtAddCredit"));
}

QPlainTextEdit* WindowFixture::TextBox() {
    return Find<QPlainTextEdit>(*window_, QStringLiteral("txtTextBox1"));
}

void WindowFixture::ShowActive() {
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) qWarning("window not active");
}

}  // namespace kragmoor::testing
