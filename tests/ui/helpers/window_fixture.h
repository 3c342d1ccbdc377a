// A main window over a session in a temporary directory, with its message boxes recorded and
// Exit only noted, for tests that click through it.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

#include "helpers/ui_test_support.h"
#include "ui/main/credit_entry.h"
#include "ui/main/frm_reelvik.h"

namespace kragmoor::testing {

class WindowFixture {
  public:
    // The reference game, or `game` when given.
    explicit WindowFixture(const TestGame* game = nullptr);

    frmReelvik& Window() { return *window_; }
    RunControl& Control() { return window_->Control(); }
    const RunState& State() { return window_->Control().State(); }
    const GameDir& Dir() const { return dir_; }
    const MessageRecorder& Messages() const { return messages_; }
    int QuitCalls() const { return quit_calls_; }

    QPushButton* Button(const QString& name);
    QLabel* Label(int index);
    QCheckBox* Check(const QString& name);
    CreditEntry* CreditField();
    QPlainTextEdit* TextBox();

    // Shows the window and waits until it has the focus, so that focus can be checked.
    void ShowActive();

  private:
    GameDir dir_;
    MessageRecorder messages_;
    int quit_calls_ = 0;
    std::unique_ptr<frmReelvik> window_;
};

}  // namespace kragmoor::testing
