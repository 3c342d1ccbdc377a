#include "model/definition_reader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "model/definition_lines.h"
#include "model/definition_loader.h"
#include "model/output_file.h"
#include "model/rules_section.h"
#include "model/startup_pass.h"
#include "model/win_line_rows.h"

namespace kragmoor {

namespace {

constexpr std::uintmax_t kMaxFileSize = 16u * 1024u * 1024u;

std::string Message(const std::string& file, int line, const std::string& expected) {
    std::string s = file;
    if (line > 0) s += ":" + std::to_string(line);
    return s + ": " + expected;
}

std::string ReadWholeFile(const std::filesystem::path& path, const std::string& name) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        throw DefinitionError(name, 0, "no such file: expected the game definition here");
    }
    if (!std::filesystem::is_regular_file(status)) {
        throw DefinitionError(name, 0, "not a regular file: expected the game definition here");
    }
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxFileSize) {
        throw DefinitionError(name, 0, "larger than 16 MiB: expected a game definition");
    }
    std::FILE* in = OpenFile(path, "rb");
    if (in == nullptr) {
        const int error = errno;
        throw DefinitionError(name, 0, std::string("cannot be opened: ") + std::strerror(error));
    }
    std::string content;
    content.resize(static_cast<std::size_t>(ec ? 0 : size));
    errno = 0;
    content.resize(std::fread(content.data(), 1, content.size(), in));
    const int error = std::ferror(in) != 0 ? (errno != 0 ? errno : EIO) : 0;
    std::fclose(in);  // read only: nothing is lost when the close fails
    if (error != 0) {
        throw DefinitionError(name, 0, std::string("cannot be read: ") + std::strerror(error));
    }
    return content;
}

// The definition in `content`, named `file_name` in errors.
GameDefinition ParseDefinition(std::string_view content, const std::string& file_name) {
    const std::vector<std::string_view> lines = SplitDefinitionLines(content, file_name);
    LineCursor cursor(lines, file_name);
    StartupFields startup = ReadStartupFields(cursor);

    GameDefinition def;
    def.GameVersion = std::move(startup.GameVersion);
    def.GameRTP = startup.GameRTP;
    def.Seed = startup.Seed;
    def.ReelMaxIndex = startup.ReelMaxIndex;
    def.FsReelMaxIndex = startup.FsReelMaxIndex;
    def.SymbolName = startup.SymbolName;
    const int last_free_row = LoadStripsAndPaytable(cursor, startup.reel_strip_header_line, def);
    ReadRulesSection(cursor, def);
    FillLineTable(cursor, last_free_row, def);
    def.CycleGames = kCycleGames;
    def.ReportFileName = "Temp1.txt";
    return def;
}

}  // namespace

DefinitionError::DefinitionError(const std::string& file, int line, const std::string& expected)
    : std::runtime_error(Message(file, line, expected)) {}

GameDefinition ReadDefinition(const std::filesystem::path& file) {
    const std::string name = file.string();
    const std::string content = ReadWholeFile(file, name);
    return ParseDefinition(content, name);
}

}  // namespace kragmoor
