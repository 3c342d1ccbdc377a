// Shared by the window tests: a temporary working directory with a game definition in it,
// definitions made up for one test, and recorders that stand in for message boxes and the
// desktop's link handler.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/session.h"
#include "ui/about/link_opener.h"
#include "ui/main/message_box.h"

namespace kragmoor::testing {

// A working directory that is removed with the object.
class GameDir {
  public:
    GameDir();
    std::filesystem::path Path() const;
    void Write(const std::string& name, const std::string& content) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // The reference game of the known-answer runs (seed 4242, many features).
    void CopyReferenceGame() const;
    // The files now in the directory, sorted.
    QStringList Files() const;
    // A session on the directory as the window application opens it, minus the deletions.
    Session Open() const;

  private:
    QTemporaryDir dir_;
};

// A game definition made up for a test, in the layout of the definition file. Strip rows name
// the symbol of each reel; pays are for runs of 1..5.
struct TestGame {
    std::array<std::string, 13> names = {"Moss",    "Heather", "Thistle", "Lantern", "Horn",
                                         "Pickaxe", "Raven",   "Stag",    "Hammer",  "Crown",
                                         "Thane",   "Wild",    "Scatter"};
    std::vector<std::array<std::string, 5>> base;
    std::vector<std::array<std::string, 5>> free;
    std::array<std::array<int, 5>, 13> pays{};
    int seed = 7;

    // Strip rows from one column of names per reel, top to bottom; a shorter reel ends in "GAP".
    static std::vector<std::array<std::string, 5>> Columns(
        const std::array<std::vector<std::string>, 5>& reels);
    std::string Text() const;
};

// Records the message boxes instead of showing them, for as long as it lives.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QStringList& Texts() const { return texts_; }
    const QStringList& Titles() const { return titles_; }

  private:
    QStringList texts_;
    QStringList titles_;
    MessageHandler previous_;
};

// Records the links a click would open, for as long as it lives.
class UrlRecorder {
  public:
    UrlRecorder();
    ~UrlRecorder();
    UrlRecorder(const UrlRecorder&) = delete;
    UrlRecorder& operator=(const UrlRecorder&) = delete;

    const std::vector<QUrl>& Urls() const { return urls_; }

  private:
    std::vector<QUrl> urls_;
    UrlOpener previous_;
};

}  // namespace kragmoor::testing
