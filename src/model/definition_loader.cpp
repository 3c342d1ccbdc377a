#include "model/definition_loader.h"

#include <string>

#include "model/text_format.h"

namespace kragmoor {

namespace {

// One strip section as the loader fills it.
struct StripSection {
    const char* label;  // "base-game" or "free-spins"
    std::int16_t max_index;
    std::int16_t (*strip)[kReels];
    std::int16_t* len;
};

std::int16_t SymbolCode(const GameDefinition& def, std::string_view name) {
    for (std::int16_t k = 0; k < kSymbols; ++k) {
        if (def.SymbolName[static_cast<std::size_t>(k)] == name) return k;
    }
    return kGap;  // not a symbol name: the reel has ended
}

// The fields of the next row, or a refusal that says where and what was expected there.
void NextRowFields(LineCursor& cursor, const std::string& where, const char* row_kind, int count,
                   std::string_view* fields) {
    const std::string_view row = cursor.NextOrFail(where + "expected a " + row_kind);
    if (!SplitRowFields(row, count, fields)) {
        cursor.Fail(cursor.LineNumber(),
                    where + "expected " + std::to_string(count) + " fields each ended by a comma");
    }
}

void LoadStripRows(LineCursor& cursor, const GameDefinition& def, const StripSection& section) {
    int first_gap_line[kReels] = {};
    std::string first_gap_text[kReels];
    for (int pos = 0; pos <= section.max_index; ++pos) {
        const std::string where =
            std::string(section.label) + " strip row " + std::to_string(pos) + ": ";
        std::string_view fields[kReels];
        NextRowFields(cursor, where, "strip row", kReels, fields);
        for (int reel = 0; reel < kReels; ++reel) {
            const std::int16_t k = SymbolCode(def, fields[reel]);
            // Only the first field that is no symbol name ends the reel; names after it are
            // still stored (the report echoes them) but never played.
            if (k == kGap && first_gap_line[reel] == 0) {
                section.len[reel] = static_cast<std::int16_t>(pos - 1);
                first_gap_line[reel] = cursor.LineNumber();
                first_gap_text[reel] = fields[reel];
            }
            section.strip[pos][reel] = k;
        }
    }
    for (int reel = 0; reel < kReels; ++reel) {
        if (first_gap_line[reel] == 0) {
            section.len[reel] = section.max_index;  // the reel fills the whole section
        } else if (section.len[reel] < 1) {
            cursor.Fail(first_gap_line[reel],
                        std::string(section.label) + " reel " + std::to_string(reel) + ": \"" +
                            first_gap_text[reel] + "\" at row " +
                            std::to_string(section.len[reel] + 1) +
                            " is not a symbol name and ends the reel: expected at least two "
                            "positions before the first gap");
        }
    }
}

void LoadPaytable(LineCursor& cursor, GameDefinition& def) {
    cursor.SkipTo("PAYTABLE DESCRIPTION");
    for (int sym = 0; sym < kSymbols; ++sym) {
        const std::string where = "paytable row of symbol " + std::to_string(sym) + ": ";
        std::string_view fields[kRunLengths];
        NextRowFields(cursor, where, "paytable row", kRunLengths, fields);
        for (int j = 0; j < kRunLengths; ++j) {
            const auto pay = text::RoundToInt16(text::ValueOfText(fields[j]));
            if (!pay) {
                const std::string what =
                    j == 0 ? "the name \"" + std::string(fields[0]) + "\" read as a number"
                           : "the pay for " + std::to_string(j) + " (\"" + std::string(fields[j]) +
                                 "\")";
                cursor.Fail(cursor.LineNumber(),
                            where + what + " is outside -32768..32767: expected a 16-bit pay");
            }
            def.PayTable[sym][j] = *pay;
        }
    }
}

}  // namespace

int LoadStripsAndPaytable(LineCursor& cursor, int reel_strip_header_line, GameDefinition& def) {
    cursor.Rewind();
    const int header_line = cursor.SkipTo("REEL STRIP");
    if (header_line != reel_strip_header_line) {
        // The strip rows are read after the first "REEL STRIP" of the file, their count after
        // the one that follows the seed: two different sections.
        cursor.Fail(header_line,
                    "a \"REEL STRIP\" line before the seed line: expected the "
                    "strip section only after \"RNG DESCRIPTION\" and the seed");
    }
    LoadStripRows(cursor, def, {"base-game", def.ReelMaxIndex, def.ReelStrip, def.ReelLen});
    cursor.SkipTo("FREE SPINS REEL STRIP");
    LoadStripRows(cursor, def, {"free-spins", def.FsReelMaxIndex, def.FsReelStrip, def.FsReelLen});
    const int last_free_row = cursor.LineNumber();
    LoadPaytable(cursor, def);
    return last_free_row;
}

}  // namespace kragmoor
