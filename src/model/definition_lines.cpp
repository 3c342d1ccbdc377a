#include "model/definition_lines.h"

#include <cctype>

#include "model/definition_reader.h"
#include "model/text_format.h"

namespace kragmoor {

namespace {

std::string HexByte(unsigned char c) {
    const char* digits = "0123456789ABCDEF";
    return std::string("0x") + digits[c >> 4] + digits[c & 15];
}

// Refuses bytes that no text file holds: NUL and the control characters other than TAB.
void CheckText(std::string_view line, int number, const std::string& file) {
    for (const char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\t' || (c >= 0x20 && c != 0x7F)) continue;
        if (c == 0) {
            throw DefinitionError(file, number,
                                  "a NUL byte: expected a text file, not binary data");
        }
        throw DefinitionError(file, number,
                              "control character " + HexByte(c) +
                                  ": expected a text file (lines ended by CR LF or LF)");
    }
}

std::string Folded(std::string_view s) {
    std::string out;
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ' ' || c == '\t') continue;
        out.push_back(static_cast<char>(std::toupper(c)));
    }
    return out;
}

}  // namespace

bool ReadsAsHeader(std::string_view line, std::string_view header) {
    return Folded(line) == Folded(header);
}

bool SplitRowFields(std::string_view row, int count, std::string_view* fields) {
    std::size_t cursor = 0;
    for (int i = 0; i < count; ++i) {
        const std::size_t comma = row.find(',', cursor);
        if (comma == std::string_view::npos) return false;
        fields[i] = row.substr(cursor, comma - cursor);
        cursor = row.find_first_not_of(", ", comma);
        if (cursor == std::string_view::npos) cursor = row.size();
    }
    return true;
}

std::vector<std::string_view> SplitDefinitionLines(std::string_view content,
                                                   const std::string& file) {
    if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
    if (!content.empty() && content.back() == '\x1A') content.remove_suffix(1);
    if (content.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        throw DefinitionError(file, 0, "the file is empty: expected a game definition");
    }
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? content.size() : end + 1;
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        CheckText(line, static_cast<int>(lines.size()) + 1, file);
        lines.push_back(line);
        start = next;
    }
    return lines;
}

std::optional<std::string_view> LineCursor::Next() {
    if (next_ >= lines_.size()) return std::nullopt;
    return lines_[next_++];
}

std::string_view LineCursor::NextOrFail(const std::string& expected) {
    const auto line = Next();
    if (!line) Fail(LineNumber(), expected + ", reached the end of the file");
    return *line;
}

int LineCursor::SkipTo(std::string_view header) {
    const std::size_t from = next_;
    while (auto line = Next()) {
        if (*line == header) return LineNumber();
    }
    std::string expected = "expected a line \"" + std::string(header) + "\"";
    if (from > 0) expected += " after line " + std::to_string(from);
    expected += ", reached the end of the file";
    Fail(0, expected + NearMiss(header, from));
}

int LineCursor::SkipToPrefix(std::string_view prefix, std::string_view what) {
    while (auto line = Next()) {
        if (line->substr(0, prefix.size()) == prefix) return LineNumber();
    }
    Fail(0, "expected " + std::string(what) + " (a line beginning \"" + std::string(prefix) +
                "\"), reached the end of the file");
}

std::string LineCursor::NearMiss(std::string_view header, std::size_t from) const {
    for (std::size_t i = from; i < lines_.size(); ++i) {
        if (ReadsAsHeader(lines_[i], header)) {
            return " (line " + std::to_string(i + 1) + " reads \"" + std::string(lines_[i]) +
                   "\": section headers must be written exactly)";
        }
    }
    return {};
}

void LineCursor::Fail(int line, const std::string& expected) const {
    throw DefinitionError(file_, line, expected);
}

}  // namespace kragmoor
