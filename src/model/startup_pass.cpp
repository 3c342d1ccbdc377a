#include "model/startup_pass.h"

#include <charconv>

#include "model/text_format.h"

namespace kragmoor {

namespace {

constexpr std::string_view kVersionPrefix = "  Version: ";
constexpr std::string_view kSeedPrefix = "SEED = ";
constexpr std::string_view kRule = "=====";

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

std::string_view TrimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string Quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

// One strip section: the rows up to the line that ends it, which is read with them. A section
// ends at its header line or at a line beginning with "=====".
struct Section {
    std::string_view name;        // the section's own header
    std::string_view terminator;  // the header that follows it
};

std::int16_t CountStripRows(LineCursor& cursor, const Section& section, bool rule_allowed) {
    const int header_line = cursor.LineNumber();
    const std::string where = std::string(section.name) + " section: ";
    for (int rows = 0;; ++rows) {
        const auto line = cursor.Next();
        if (!line) {
            cursor.Fail(header_line, where + "expected at most 101 strip rows ended by " +
                                         Quoted(section.terminator) +
                                         ", reached the end of the file");
        }
        const bool is_rule = StartsWith(*line, kRule);
        if (*line == section.terminator || is_rule) {
            if (is_rule && !rule_allowed) {
                // The free-spins count would start at its own header and count it as a row.
                cursor.Fail(cursor.LineNumber(),
                            where +
                                "a line beginning with \"=====\" ends the strip rows, which "
                                "makes the free-spins rows count one too many: expected " +
                                Quoted(section.terminator) + " directly after the last strip row");
            }
            if (rows == 0) {
                cursor.Fail(header_line, where + "expected strip rows, found none");
            }
            if (rows == 1) {
                cursor.Fail(header_line, where +
                                             "expected at least two strip rows (every reel needs "
                                             "two positions), found one");
            }
            return static_cast<std::int16_t>(rows - 1);
        }
        if (rows == kMaxPositions) {
            cursor.Fail(cursor.LineNumber(), where + "expected " + Quoted(section.terminator) +
                                                 " after at most 101 strip rows, found more rows");
        }
    }
}

enum class NameProblem { kNone, kBlank, kCommaOutside };

NameProblem SymbolNameOf(std::string_view row, std::string& name) {
    const std::string_view first12 = TrimBlanks(row.substr(0, 12));
    if (first12.empty() || first12 == ",") return NameProblem::kBlank;
    // The name's comma must be the first comma of the row and end its first 12 characters.
    if (first12.back() != ',' || first12.find(',') != first12.size() - 1) {
        return NameProblem::kCommaOutside;
    }
    name.assign(first12.substr(0, first12.size() - 1));
    return NameProblem::kNone;
}

void ReadSymbolNames(LineCursor& cursor, StartupFields& fields) {
    cursor.SkipTo("PAYTABLE DESCRIPTION");
    for (int code = 0; code < kSymbols; ++code) {
        const std::string where = "paytable row of symbol " + std::to_string(code) + ": ";
        const std::string_view row =
            cursor.NextOrFail(where + "expected 13 paytable rows after \"PAYTABLE DESCRIPTION\"");
        std::string& name = fields.SymbolName[static_cast<std::size_t>(code)];
        switch (SymbolNameOf(row, name)) {
            case NameProblem::kBlank:
                cursor.Fail(cursor.LineNumber(), where + "expected a symbol name, found none");
            case NameProblem::kCommaOutside:
                cursor.Fail(cursor.LineNumber(),
                            where +
                                "expected the symbol name and its comma within the first 12 "
                                "characters, followed only by blanks");
            case NameProblem::kNone:
                break;
        }
        if (name == "GAP") {
            cursor.Fail(cursor.LineNumber(), where +
                                                 "the name \"GAP\" marks gaps in the strip rows: "
                                                 "expected another name");
        }
        for (int other = 0; other < code; ++other) {
            if (fields.SymbolName[static_cast<std::size_t>(other)] == name) {
                cursor.Fail(cursor.LineNumber(),
                            where + "the name " + Quoted(name) + " is already the name of symbol " +
                                std::to_string(other) + ": expected 13 different names");
            }
        }
    }
}

// The seed of a "SEED = " line, from character 8 on: a whole number in the 32-bit range, blanks
// around it allowed. Nothing when the line is not of that form.
std::optional<std::int32_t> ParseSeedLine(std::string_view line) {
    if (!StartsWith(line, kSeedPrefix)) return std::nullopt;
    std::string_view digits = TrimBlanks(line.substr(kSeedPrefix.size()));
    if (!digits.empty() && digits[0] == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) return std::nullopt;
    }
    std::int32_t seed = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), seed);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return seed;
}

// One field of the RTP line: a whole number from 0 to 99 (so that the report writes it back).
std::optional<double> RtpField(std::string_view field) {
    const auto number = text::ReadLeadingNumber(field);
    if (!number || number->value < 0.0 || number->value > 99.0) return std::nullopt;
    if (number->value != static_cast<double>(static_cast<int>(number->value))) return std::nullopt;
    return number->value;
}

// The designed RTP of the header's RTP line: the whole percent in characters 12 to 14 and the
// hundredths in characters 15 and 16, each converted by itself to a single. Nothing when either
// does not begin with a whole number from 0 to 99 (what the report's header can write back).
std::optional<float> ParseRtpLine(std::string_view line) {
    if (line.size() < 12) return std::nullopt;
    const auto whole = RtpField(line.substr(11, 3));
    const auto hundredths = RtpField(line.size() > 14 ? line.substr(14, 2) : "");
    if (!whole || !hundredths) return std::nullopt;
    return static_cast<float>(*whole) + static_cast<float>(*hundredths) / 100.0f;
}

}  // namespace

StartupFields ReadStartupFields(LineCursor& cursor) {
    StartupFields fields;
    cursor.SkipToPrefix(kVersionPrefix, "the version line");
    fields.GameVersion = TrimBlanks(cursor.Current().substr(kVersionPrefix.size()));

    const auto rtp =
        ParseRtpLine(cursor.NextOrFail("expected the \" Game RTP: \" line after the version line"));
    if (!rtp) {
        cursor.Fail(cursor.LineNumber(),
                    "RTP line: expected the whole percent (0 to 99) and its separator in "
                    "characters 12 to 14 and the hundredths (0 to 99) in characters 15 and 16, "
                    "as in \" Game RTP: 96,50 %\"");
    }
    fields.GameRTP = *rtp;

    cursor.SkipTo("RNG DESCRIPTION");
    const auto seed = ParseSeedLine(
        cursor.NextOrFail("expected the seed line \"SEED = \" after \"RNG DESCRIPTION\""));
    if (!seed) {
        cursor.Fail(cursor.LineNumber(),
                    "seed line: expected \"SEED = \" followed by a whole "
                    "number from -2147483648 to 2147483647");
    }
    fields.Seed = *seed;

    fields.reel_strip_header_line = cursor.SkipTo("REEL STRIP");
    fields.ReelMaxIndex =
        CountStripRows(cursor, {"REEL STRIP", "FREE SPINS REEL STRIP"}, /*rule_allowed=*/false);
    fields.FsReelMaxIndex =
        CountStripRows(cursor, {"FREE SPINS REEL STRIP", "WIN LINE DESCRIPTION"}, true);
    ReadSymbolNames(cursor, fields);
    return fields;
}

}  // namespace kragmoor
