#include "model/output_file.h"

#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>

namespace kragmoor {

std::FILE* OpenFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    wchar_t wide_mode[8] = {};
    for (std::size_t i = 0; i + 1 < std::size(wide_mode) && mode[i] != '\0'; ++i) {
        wide_mode[i] = static_cast<wchar_t>(mode[i]);
    }
    return _wfopen(path.c_str(), wide_mode);
#else
    return std::fopen(path.c_str(), mode);
#endif
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      buffer_(std::move(other.buffer_)),
      failed_(std::exchange(other.failed_, false)),
      error_(std::exchange(other.error_, 0)) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
    if (this != &other) {
        if (file_ != nullptr) std::fclose(file_);
        file_ = std::exchange(other.file_, nullptr);
        buffer_ = std::move(other.buffer_);
        failed_ = std::exchange(other.failed_, false);
        error_ = std::exchange(other.error_, 0);
    }
    return *this;
}

OutputFile::~OutputFile() {
    if (file_ != nullptr) std::fclose(file_);
}

// Called at once after the failing call, with its errno: only the first failure is kept.
bool OutputFile::Fail(int error) {
    if (!failed_) {
        failed_ = true;
        error_ = error;
    }
    return false;
}

bool OutputFile::Open(const std::filesystem::path& path, Mode mode, std::size_t buffer) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    buffer_.reset();
    failed_ = false;
    error_ = 0;
    errno = 0;
    switch (mode) {
        case Mode::kCreate:
            file_ = OpenFile(path, "wb");
            break;
        case Mode::kAppend:
            file_ = OpenFile(path, "ab");
            break;
        case Mode::kUpdate:
            file_ = OpenFile(path, "r+b");
            if (file_ == nullptr && errno == ENOENT) file_ = OpenFile(path, "w+b");
            break;
    }
    if (file_ == nullptr) return Fail(errno);
    if (buffer != 0) {
        // The C library takes a size only together with a buffer of the caller's.
        buffer_ = std::make_unique<char[]>(buffer);
        if (std::setvbuf(file_, buffer_.get(), _IOFBF, buffer) != 0) return Fail(errno);
    }
    return true;
}

bool OutputFile::Write(std::string_view bytes) {
    if (failed_) return false;
    if (file_ == nullptr) return Fail(EBADF);
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) return Fail(errno);
    return true;
}

bool OutputFile::WriteAt(std::uint64_t offset, std::string_view bytes) {
    if (failed_) return false;
    if (file_ == nullptr) return Fail(EBADF);
    if (offset > static_cast<std::uint64_t>(std::numeric_limits<long>::max())) {
        return Fail(EOVERFLOW);
    }
    errno = 0;
    if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) return Fail(errno);
    return Write(bytes);
}

bool OutputFile::Flush() {
    if (failed_) return false;
    if (file_ == nullptr) return true;
    errno = 0;
    if (std::fflush(file_) != 0) return Fail(errno);
    return true;
}

bool OutputFile::Close() {
    if (file_ == nullptr) return !failed_;
    errno = 0;
    const int closed = std::fclose(file_);
    const int error = errno;
    file_ = nullptr;
    buffer_.reset();
    if (closed != 0) Fail(error);
    return !failed_;
}

std::string OutputFile::Reason() const {
    if (!failed_) return {};
    return error_ != 0 ? std::strerror(error_) : "the system gave no reason";
}

}  // namespace kragmoor
