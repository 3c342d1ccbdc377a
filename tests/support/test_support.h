// Shared by every test suite: a temporary working directory of its own, whole files read and
// written byte for byte, the lines of a text, and the test data.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace kragmoor::test {

// A file of the test data (tests/data), and a file of the source tree (games/ReelSetup.ini).
std::filesystem::path TestData(const std::filesystem::path& relative);
std::filesystem::path SourceFile(const std::filesystem::path& relative);

// A fresh empty directory under the system's temporary directory, removed with the object. Its
// name holds a blank, so that every path a test passes on must be quoted where it is used.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }
    std::set<std::string> Files() const;

  private:
    std::filesystem::path path_;
};

// The whole content of a file, byte for byte; "" when it is missing.
std::string ReadFile(const std::filesystem::path& file);
// Writes `text` as the whole file, byte for byte; throws std::runtime_error when it cannot.
void WriteFile(const std::filesystem::path& file, const std::string& text);

// The lines of a text whose lines end with CR LF, as every file of the simulator does (a final
// line may lack it).
std::vector<std::string> Lines(const std::string& text);
std::vector<std::string> OutputLines(const std::string& text);  // lines ended by LF
std::string Join(const std::vector<std::string>& lines, const char* end = "\r\n");

// Whether the system has /dev/full, the device on which every write fails for want of space.
bool HasFullDevice();
// The system's reason when a directory is opened as a file to write: Windows' C runtime refuses
// it as it refuses a file it may not write.
std::string DirectoryWriteReason();

// The five files a run leaves in `got` against a reference run's in `want`, byte for byte but
// for the four lines of Temp1.txt that carry configuration values or the load time: "" when they
// agree, otherwise the first file that differs and its first differing line.
std::string RunFilesDiffer(const std::filesystem::path& want, const std::filesystem::path& got);

}  // namespace kragmoor::test
