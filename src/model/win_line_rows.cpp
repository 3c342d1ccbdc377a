#include "model/win_line_rows.h"

#include <string>

namespace kragmoor {

namespace {

constexpr std::string_view kWinLinesHeader = "WIN LINE DESCRIPTION";
constexpr std::string_view kPaytableHeader = "PAYTABLE DESCRIPTION";
constexpr const char* kRowsExpected =
    "expected the 20 rows of \"WIN LINE DESCRIPTION\" before \"PAYTABLE DESCRIPTION\", as "
    "WIN LINES = DEFINITION asks";

void FillBuiltInLines(GameDefinition& def) {
    for (int line = 0; line < kLines; ++line) {
        for (int reel = 0; reel < kReels; ++reel) {
            def.LineTable[line][reel] = kLineRows[line][reel];
        }
    }
}

// The header follows the last free-spins row directly, or after a "=====" line that ended them.
void SkipToHeader(LineCursor& cursor) {
    for (;;) {
        const std::string_view line = cursor.NextOrFail(kRowsExpected);
        if (line == kWinLinesHeader) return;
        if (line == kPaytableHeader) cursor.Fail(cursor.LineNumber(), kRowsExpected);
    }
}

// A field's row: 0, 1 or 2, blanks around it allowed; -1 for anything else.
std::int16_t RowOf(std::string_view field) {
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) return -1;
    const std::string_view digit = field.substr(first, field.find_last_not_of(' ') - first + 1);
    if (digit.size() != 1 || digit[0] < '0' || digit[0] >= '0' + kRows) return -1;
    return static_cast<std::int16_t>(digit[0] - '0');
}

void ReadRow(LineCursor& cursor, int line, GameDefinition& def) {
    const std::string where = "win line " + std::to_string(line + 1) + ": ";
    const std::string_view row = cursor.NextOrFail(where + kRowsExpected);
    if (row == kPaytableHeader) {
        cursor.Fail(cursor.LineNumber(),
                    where + kRowsExpected + ", found " + std::to_string(line) + " rows");
    }
    std::string_view fields[kReels];
    if (!SplitRowFields(row, kReels, fields)) {
        cursor.Fail(cursor.LineNumber(), where + "expected 5 fields each ended by a comma");
    }
    for (int reel = 0; reel < kReels; ++reel) {
        const std::int16_t row_on_reel = RowOf(fields[reel]);
        if (row_on_reel < 0) {
            cursor.Fail(cursor.LineNumber(), where + "the field for reel " + std::to_string(reel) +
                                                 " (\"" + std::string(fields[reel]) +
                                                 "\") is not a row: expected 0, 1 or 2");
        }
        def.LineTable[line][reel] = row_on_reel;
    }
}

}  // namespace

void FillLineTable(LineCursor& cursor, int last_free_row, GameDefinition& def) {
    if (!def.Rules.LinesFromDefinition) {
        FillBuiltInLines(def);
        return;
    }
    cursor.Seek(last_free_row);
    SkipToHeader(cursor);
    for (int line = 0; line < kLines; ++line) ReadRow(cursor, line, def);
}

}  // namespace kragmoor
