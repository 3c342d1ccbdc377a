#include "cli/load_summary.h"

#include <vector>

#include "cli/json_text.h"
#include "model/config.h"
#include "model/text_format.h"

namespace kragmoor::cli {

namespace {

using text::Decimal;

std::string DirText(const Session& s) {
    return s.dir.empty() ? "." : s.dir.string();
}

std::string SeedNote(const Session& s) {
    if (s.definition_seed >= 0) return {};
    return " (drawn from the clock: the definition's seed is " + Decimal(s.definition_seed) + ")";
}

void ReelLine(std::string& out, const char* label, const std::int16_t* len,
              std::int16_t max_index) {
    out += label;
    for (int reel = 0; reel < kReels; ++reel) {
        out += ' ';
        out += Decimal(len[reel] + 1);
    }
    out += " positions (section of " + Decimal(max_index + 1) + " rows)\n";
}

const char* Role(int code) {
    if (code == kWild) return " (wild)";
    if (code == kScatter) return " (scatter)";
    return "";
}

void PaytableText(std::string& out, const GameDefinition& def) {
    out += "\nPaytable: credits for a 1-credit line bet; the scatter pays times the total bet\n";
    out += "  code  symbol         1       2       3       4       5\n";
    for (int code = 0; code < kSymbols; ++code) {
        text::AppendRight(out, Decimal(code), 6);
        out += "  ";
        text::AppendLeft(out, def.SymbolName[static_cast<std::size_t>(code)], 11);
        for (int n = 1; n < kRunLengths; ++n) {
            text::AppendRight(out, Decimal(def.PayTable[code][n]), 8);
        }
        out += Role(code);
        out += '\n';
    }
}

void JsonReels(std::string& out, const char* key, const std::int16_t* len, std::int16_t max_index) {
    out += "  \"";
    out += key;
    out += "\": {\"section_rows\": " + Decimal(max_index + 1) + ", \"positions\": [";
    for (int reel = 0; reel < kReels; ++reel) {
        if (reel > 0) out += ", ";
        out += Decimal(len[reel] + 1);
    }
    out += "]},\n";
}

void JsonField(std::string& out, const char* key, std::string_view value) {
    out += "  \"";
    out += key;
    out += "\": ";
    AppendJsonString(out, value);
    out += ",\n";
}

// Reels whose strip column holds symbol names after the gap that ended the reel: those names
// are echoed in the report but never played, which is worth a second look (a misspelt name ends
// a reel early).
std::vector<std::string> GapNotes(const GameDefinition& def) {
    std::vector<std::string> notes;
    const auto check = [&notes](const char* label, const std::int16_t(*strip)[kReels],
                                const std::int16_t* len, std::int16_t max_index) {
        for (int reel = 0; reel < kReels; ++reel) {
            for (int pos = len[reel] + 2; pos <= max_index; ++pos) {
                if (strip[pos][reel] != kGap) {
                    notes.push_back(std::string(label) + " reel " + Decimal(reel) +
                                    " ends at the field of row " + Decimal(len[reel] + 1) +
                                    ", which is no symbol name, but row " + Decimal(pos) +
                                    " holds a symbol again: the rows after the gap are never "
                                    "played");
                    break;
                }
            }
        }
    };
    check("base-game", def.ReelStrip, def.ReelLen, def.ReelMaxIndex);
    check("free-spins", def.FsReelStrip, def.FsReelLen, def.FsReelMaxIndex);
    return notes;
}

}  // namespace

std::string LoadSummaryText(const Session& s) {
    const GameDefinition& def = s.definition;
    std::string out;
    out += std::string(config::kGameName) + ", version " + def.GameVersion + "\n";
    out += "Directory        " + DirText(s) + "\n";
    out += "Designed RTP     " + text::MaskSingle(def.GameRTP, "0.00") + " %\n";
    out += "Seed             " + Decimal(def.Seed) + SeedNote(s) + "\n";
    ReelLine(out, "Base reels      ", def.ReelLen, def.ReelMaxIndex);
    ReelLine(out, "Free-spin reels ", def.FsReelLen, def.FsReelMaxIndex);
    out += "Symbols         ";
    for (int code = 0; code < kSymbols; ++code) {
        out += (code == 0 ? " " : ", ") + Decimal(code) + " " +
               def.SymbolName[static_cast<std::size_t>(code)] + Role(code);
    }
    out += "\n";
    PaytableText(out, def);
    for (const std::string& note : GapNotes(def)) out += "\nNote: " + note + ".\n";
    out += "\nWritten: " + def.ReportFileName +
           " (the description report); Jackpot.txt, FreeSpins.txt and Percent_10000.txt "
           "created empty.\n";
    return out;
}

std::string LoadSummaryJson(const Session& s) {
    const GameDefinition& def = s.definition;
    std::string out = "{\n";
    JsonField(out, "game", config::kGameName);
    JsonField(out, "version", def.GameVersion);
    JsonField(out, "directory", DirText(s));
    out += "  \"designed_rtp\": " + text::SingleText(def.GameRTP) + ",\n";
    out += "  \"seed\": " + Decimal(def.Seed) + ",\n";
    out += "  \"definition_seed\": " + Decimal(s.definition_seed) + ",\n";
    JsonReels(out, "base_reels", def.ReelLen, def.ReelMaxIndex);
    JsonReels(out, "free_spin_reels", def.FsReelLen, def.FsReelMaxIndex);
    out += "  \"symbols\": [";
    for (int code = 0; code < kSymbols; ++code) {
        if (code > 0) out += ", ";
        AppendJsonString(out, def.SymbolName[static_cast<std::size_t>(code)]);
    }
    out += "],\n  \"paytable\": [\n";
    for (int code = 0; code < kSymbols; ++code) {
        out += "    [";
        for (int n = 1; n < kRunLengths; ++n) {
            if (n > 1) out += ", ";
            out += Decimal(def.PayTable[code][n]);
        }
        out += code + 1 < kSymbols ? "],\n" : "]\n";
    }
    out += "  ],\n  \"notes\": [";
    const std::vector<std::string> notes = GapNotes(def);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (i > 0) out += ", ";
        AppendJsonString(out, notes[i]);
    }
    out += "],\n  \"files\": [";
    AppendJsonString(out, def.ReportFileName);
    out += ", \"Jackpot.txt\", \"FreeSpins.txt\", \"Percent_10000.txt\"]\n}\n";
    return out;
}

}  // namespace kragmoor::cli
