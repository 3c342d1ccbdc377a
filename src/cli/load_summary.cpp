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

// A reel set as {"section_rows": R, "positions": [..]}.
std::string JsonReels(const std::int16_t* len, std::int16_t max_index) {
    std::vector<std::string> positions;
    for (int reel = 0; reel < kReels; ++reel) positions.push_back(Decimal(len[reel] + 1));
    return "{\"section_rows\": " + Decimal(max_index + 1) +
           ", \"positions\": " + JsonArray(positions) + "}";
}

// One row of pays (for 1 to 5 of the symbol) per symbol code.
std::string JsonPaytable(const GameDefinition& def) {
    std::string out = "[";
    for (int code = 0; code < kSymbols; ++code) {
        std::vector<std::string> pays;
        for (int n = 1; n < kRunLengths; ++n) pays.push_back(Decimal(def.PayTable[code][n]));
        out += "\n    " + JsonArray(pays) + (code + 1 < kSymbols ? "," : "");
    }
    return out + "\n  ]";
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
    std::vector<std::string> symbols;
    for (const std::string& name : def.SymbolName) symbols.push_back(JsonString(name));
    std::vector<std::string> notes;
    for (const std::string& note : GapNotes(def)) notes.push_back(JsonString(note));
    const std::vector<std::string> files = {JsonString(def.ReportFileName),
                                            JsonString("Jackpot.txt"), JsonString("FreeSpins.txt"),
                                            JsonString("Percent_10000.txt")};
    JsonObject json;
    json.Add("game", JsonString(config::kGameName));
    json.Add("version", JsonString(def.GameVersion));
    json.Add("directory", JsonString(DirText(s)));
    json.Add("designed_rtp", text::SingleText(def.GameRTP));
    json.Add("seed", Decimal(def.Seed));
    json.Add("definition_seed", Decimal(s.definition_seed));
    json.Add("base_reels", JsonReels(def.ReelLen, def.ReelMaxIndex));
    json.Add("free_spin_reels", JsonReels(def.FsReelLen, def.FsReelMaxIndex));
    json.Add("symbols", JsonArray(symbols));
    json.Add("paytable", JsonPaytable(def));
    json.Add("notes", JsonArray(notes));
    json.Add("files", JsonArray(files));
    return json.Text();
}

}  // namespace kragmoor::cli
