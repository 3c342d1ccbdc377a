// Every file the simulator opens goes through OpenFile, the same way on every platform: a path of
// any characters (wide on Windows) and binary mode, since every text carries its own CR LF line
// ends. OutputFile checks every write, flush and close of a file being written and keeps the
// first failure with the system's reason, read at the failing call before anything else can
// change it. Once a file has failed nothing more is written to it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace kragmoor {

// fopen with a mode of "rb", "wb", "ab", "r+b" or "w+b". Null on failure, errno telling why.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);

class OutputFile {
  public:
    enum class Mode {
        kCreate,  // emptied, or created
        kAppend,  // written at its end, created when missing
        kUpdate,  // written in place, created when missing: bytes beyond those written stay
    };

    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&& other) noexcept;
    // Closes a file still open; only Close() tells whether that worked.
    ~OutputFile();

    // Opens the file, with a buffer of `buffer` bytes when not 0. Forgets an earlier failure.
    bool Open(const std::filesystem::path& path, Mode mode, std::size_t buffer = 0);

    // Each returns false when the file has failed, now or before.
    bool Write(std::string_view bytes);
    bool WriteAt(std::uint64_t offset, std::string_view bytes);
    bool Flush();
    bool Close();  // also when the file was not open

    bool IsOpen() const { return file_ != nullptr; }
    bool Failed() const { return failed_; }
    // The system's reason for the first failure ("No space left on device").
    std::string Reason() const;

  private:
    bool Fail(int error);

    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;  // outlives the file it buffers
    bool failed_ = false;
    int error_ = 0;  // errno at the first failure; 0 when the system gave none
};

}  // namespace kragmoor
