#include "helpers/ui_test_support.h"

#include <QDir>
#include <QFile>
#include <fstream>
#include <iterator>
#include <sstream>

namespace kragmoor::testing {
namespace {

std::string Field(const std::string& text, std::size_t width) {
    std::string field = text + ",";
    if (field.size() < width) field.append(width - field.size(), ' ');
    return field;
}

void StripRows(std::ostringstream& out, const std::vector<std::array<std::string, 5>>& rows) {
    for (const auto& row : rows) {
        for (const auto& name : row) out << Field(name, 11);
        out << " _\r\n";
    }
}

}  // namespace

GameDir::GameDir() {
    dir_.setAutoRemove(true);
}

std::filesystem::path GameDir::Path() const {
    return dir_.path().toStdString();
}

void GameDir::Write(const std::string& name, const std::string& content) const {
    std::ofstream out(Path() / name, std::ios::binary);
    out << content;
}

std::string GameDir::Read(const std::string& name) const {
    std::ifstream in(Path() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool GameDir::Exists(const std::string& name) const {
    return std::filesystem::exists(Path() / name);
}

void GameDir::CopyReferenceGame() const {
    std::filesystem::copy_file(std::filesystem::path(KRAGMOOR_TEST_DATA) / "g0" / "ReelSetup.ini",
                               Path() / "ReelSetup.ini",
                               std::filesystem::copy_options::overwrite_existing);
}

QStringList GameDir::Files() const {
    QStringList files = QDir(dir_.path()).entryList(QDir::Files, QDir::Name);
    return files;
}

Session GameDir::Open() const {
    return OpenSession(Path(), SessionOptions{});
}

std::vector<std::array<std::string, 5>> TestGame::Columns(
    const std::array<std::vector<std::string>, 5>& reels) {
    std::size_t rows = 0;
    for (const auto& reel : reels) rows = std::max(rows, reel.size());
    std::vector<std::array<std::string, 5>> out(rows);
    for (std::size_t r = 0; r < 5; ++r) {
        for (std::size_t pos = 0; pos < rows; ++pos) {
            out[pos][r] = pos < reels[r].size() ? reels[r][pos] : "GAP";
        }
    }
    return out;
}

std::string TestGame::Text() const {
    std::ostringstream out;
    out << "  Company: www.example.test\r\n"
        << "Game Name: Kragmoor\r\n"
        << "  Version: ui test\r\n"
        << " Game RTP: 95,00 %\r\n"
        << "     Date: 01.01.2026  00:00:00\r\n"
        << "=======================================\r\n"
        << "RNG DESCRIPTION\r\n"
        << "SEED = " << seed << "\r\n"
        << "REEL STRIP\r\n";
    StripRows(out, base);
    out << "FREE SPINS REEL STRIP\r\n";
    StripRows(out, free.empty() ? base : free);
    out << "WIN LINE DESCRIPTION\r\n";
    for (int line = 1; line <= 20; ++line) out << "1,  1,  1,  1,  1,   _ Line" << line << "\r\n";
    out << "PAYTABLE DESCRIPTION\r\n";
    for (std::size_t s = 0; s < names.size(); ++s) {
        out << " " << Field(names[s], 11);
        for (int pay : pays[s]) out << Field(std::to_string(pay), 7);
        out << " _\r\n";
    }
    return out.str();
}

MessageRecorder::MessageRecorder() {
    previous_ = SetMessageHandler([this](QWidget*, const QString& title, const QString& text) {
        titles_ << title;
        texts_ << text;
    });
}

MessageRecorder::~MessageRecorder() {
    SetMessageHandler(previous_);
}

UrlRecorder::UrlRecorder() {
    previous_ = SetUrlOpener([this](const QUrl& url) { urls_.push_back(url); });
}

UrlRecorder::~UrlRecorder() {
    SetUrlOpener(previous_);
}

}  // namespace kragmoor::testing
