#include "test_support.h"

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

namespace kragmoor::test {

std::filesystem::path TestData(const std::filesystem::path& relative) {
    return std::filesystem::path(KRAGMOOR_TEST_DATA) / relative;
}

std::filesystem::path SourceFile(const std::filesystem::path& relative) {
    return std::filesystem::path(KRAGMOOR_SOURCE_DIR) / relative;
}

TempDir::TempDir() {
    std::random_device random;
    do {
        path_ = std::filesystem::temp_directory_path() /
                ("kragmoor test-" + std::to_string(random()) + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::set<std::string> TempDir::Files() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        names.insert(entry.path().filename().string());
    return names;
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> OutputLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Join(const std::vector<std::string>& lines, const char* end) {
    std::string s;
    for (const auto& line : lines) s += line + end;
    return s;
}

bool HasFullDevice() {
#ifdef _WIN32
    return false;  // Windows has no such device
#else
    return std::filesystem::exists("/dev/full");
#endif
}

std::string DirectoryWriteReason() {
#ifdef _WIN32
    return "Permission denied";
#else
    return "Is a directory";
#endif
}

std::string RunFilesDiffer(const std::filesystem::path& want, const std::filesystem::path& got) {
    for (const char* name :
         {"Temp1.txt", "Jackpot.txt", "FreeSpins.txt", "Percent_10000.txt", "empty.txt"}) {
        const auto want_lines = Lines(ReadFile(want / name));
        auto got_lines = Lines(ReadFile(got / name));
        if (std::string(name) == "Temp1.txt" && got_lines.size() > 8) {
            for (std::size_t i : {0, 4, 7, 8}) got_lines[i] = want_lines.at(i);
        }
        if (want_lines == got_lines) continue;
        std::size_t i = 0;
        while (i < want_lines.size() && i < got_lines.size() && want_lines[i] == got_lines[i]) ++i;
        const auto at = [i](const std::vector<std::string>& lines) {
            return i < lines.size() ? "\"" + lines[i] + "\"" : std::string("the end");
        };
        return std::string(name) + " line " + std::to_string(i + 1) + ": want " + at(want_lines) +
               ", got " + at(got_lines);
    }
    return {};
}

}  // namespace kragmoor::test
