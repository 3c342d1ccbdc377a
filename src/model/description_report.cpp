#include "model/description_report.h"

#include "model/config.h"
#include "model/output_file.h"
#include "model/text_format.h"

namespace kragmoor {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kRule = "=======================================";

void Line(std::string& out, std::string_view text) {
    out += text;
    out += kCrLf;
}

// A name and its comma, blanks up to `width` (cut at `width`).
void NameField(std::string& out, std::string_view name, std::size_t width) {
    std::string field(name);
    field.push_back(',');
    text::AppendLeft(out, field, width);
}

void StripRows(std::string& out, const std::int16_t (*strip)[kReels], int max_index,
               const GameDefinition& def) {
    for (int pos = 0; pos <= max_index; ++pos) {
        for (int reel = 0; reel < kReels; ++reel) {
            const std::int16_t code = strip[pos][reel];
            const bool symbol = code >= 0 && code < kSymbols;
            NameField(out,
                      symbol ? std::string_view(def.SymbolName[static_cast<std::size_t>(code)])
                             : std::string_view("GAP"),
                      11);
        }
        Line(out, " _");
    }
}

void WinLineRows(std::string& out, const GameDefinition& def) {
    for (int line = 0; line < kLines; ++line) {
        for (int reel = 0; reel < kReels; ++reel) {
            text::AppendDecimal(out, def.LineTable[line][reel]);
            out += ",  ";
        }
        out += " _ Line";
        text::AppendDecimal(out, line + 1);
        out += kCrLf;
    }
}

void PaytableRows(std::string& out, const GameDefinition& def) {
    for (int code = 0; code < kSymbols; ++code) {
        out.push_back(' ');
        NameField(out, def.SymbolName[static_cast<std::size_t>(code)], 11);
        for (int n = 1; n < kRunLengths; ++n) {
            text::AppendLeft(out, text::Decimal(def.PayTable[code][n]) + ",", 7);
        }
        Line(out, " _");
    }
}

std::string SpinsText(const GameRules::SpinsByScatters& spins) {
    return text::Decimal(spins[3]) + ", " + text::Decimal(spins[4]) + ", " +
           text::Decimal(spins[5]);
}

// The section as the reader takes it, every key written with its value, defaults included.
void RulesSection(std::string& out, const GameRules& rules) {
    Line(out, "GAME RULES");
    Line(out, "WILD MULTIPLIER = " + text::Decimal(rules.WildMultiplier));
    Line(out, "FREE SPINS = " + SpinsText(rules.FreeSpins));
    Line(out, "FREE SPINS MULTIPLIER = " + text::Decimal(rules.FreeSpinMultiplier));
    Line(out, "RETRIGGER = " + SpinsText(rules.Retrigger));
    Line(out, rules.LinesFromDefinition ? "WIN LINES = DEFINITION" : "WIN LINES = BUILT IN");
}

// The whole report text.
std::string DescriptionReport(const GameDefinition& def, const std::tm& load_time) {
    std::string out;
    const auto rows = static_cast<std::size_t>(def.ReelMaxIndex + def.FsReelMaxIndex + 2);
    out.reserve(1200 + 60 * rows + 40 * kLines + 50 * kSymbols);
    Line(out, std::string("  Company: ") + config::kStudioWeb);
    Line(out, std::string("Game Name: ") + config::kGameName);
    Line(out, "  Version: " + def.GameVersion);
    Line(out, " Game RTP: " + text::RtpText(def.GameRTP) + " %");
    Line(out, "     Date: " + text::LoadTimeText(load_time));
    Line(out, kRule);
    Line(out, std::string("   Design: ") + config::kDesigner);
    Line(out, std::string("    Email: ") + config::kDesignerEmail);
    Line(out, std::string("      Web: ") + config::kDesignerWeb);
    Line(out, kRule);
    Line(out, "RNG DESCRIPTION");
    Line(out, "SEED = " + text::Decimal(def.Seed));
    Line(out, "REEL STRIP");
    StripRows(out, def.ReelStrip, def.ReelMaxIndex, def);
    Line(out, "FREE SPINS REEL STRIP");
    StripRows(out, def.FsReelStrip, def.FsReelMaxIndex, def);
    Line(out, "WIN LINE DESCRIPTION");
    WinLineRows(out, def);
    Line(out, "PAYTABLE DESCRIPTION");
    PaytableRows(out, def);
    if (def.HasRulesSection) RulesSection(out, def.Rules);
    return out;
}

}  // namespace

bool WriteDescriptionReport(const GameDefinition& def, const std::tm& load_time,
                            const std::filesystem::path& file, std::string* reason) {
    const std::string report = DescriptionReport(def, load_time);
    OutputFile out;
    const bool written = out.Open(file, OutputFile::Mode::kCreate) && out.Write(report);
    if (out.Close() && written) return true;
    if (reason != nullptr) *reason = out.Reason();
    return false;
}

}  // namespace kragmoor
