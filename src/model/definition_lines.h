// The lines of a definition file and a reading position in them, as both passes over the file
// read it: one line after another, or on to the next line that is a given section header.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kragmoor {

// Splits a whole file into lines (LF ends a line, a CR before it is dropped). Refuses an empty
// file and one that is not text (a NUL byte or another control character). A UTF-8 byte order
// mark at the start and an end-of-file mark (Ctrl-Z) at the end are dropped. The views point
// into `content`. Throws DefinitionError.
std::vector<std::string_view> SplitDefinitionLines(std::string_view content,
                                                   const std::string& file);

// True when `line` would be `header` if it were written exactly: the same once blanks are dropped
// and letter case is ignored ("Reel  strip" for "REEL STRIP").
bool ReadsAsHeader(std::string_view line, std::string_view header);

// Splits a row into `count` fields, each ended by a comma; after a comma any run of blanks and
// commas is skipped, so that padding and doubled commas never make an empty field. False when
// the row runs out before the last comma.
bool SplitRowFields(std::string_view row, int count, std::string_view* fields);

class LineCursor {
  public:
    LineCursor(const std::vector<std::string_view>& lines, const std::string& file)
        : lines_(lines), file_(file) {}

    // The next line, or nothing at the end of the file.
    std::optional<std::string_view> Next();

    // The next line; at the end of the file a refusal at the last line read: `expected`, then
    // ", reached the end of the file".
    std::string_view NextOrFail(const std::string& expected);

    // Reads on until a line equal to `header` and returns its line number. Throws
    // DefinitionError naming the header when the file ends first.
    int SkipTo(std::string_view header);

    // Reads on until a line that begins with `prefix` (the version line).
    int SkipToPrefix(std::string_view prefix, std::string_view what);

    // The line read last.
    std::string_view Current() const { return next_ > 0 ? lines_[next_ - 1] : std::string_view(); }

    // 1-based number of the line read last (0 before the first).
    int LineNumber() const { return static_cast<int>(next_); }

    // Starts again at the first line.
    void Rewind() { next_ = 0; }

    // Reads on from the line after `line_number`, a line read before.
    void Seek(int line_number) { next_ = static_cast<std::size_t>(line_number); }

    [[noreturn]] void Fail(int line, const std::string& expected) const;

  private:
    // A line that would be the header if it were written exactly (other blanks or letter
    // case), to name in the message when the header never comes.
    std::string NearMiss(std::string_view header, std::size_t from) const;

    const std::vector<std::string_view>& lines_;
    const std::string& file_;
    std::size_t next_ = 0;
};

}  // namespace kragmoor
