#include "model/rules_section.h"

#include <charconv>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace kragmoor {

namespace {

constexpr std::string_view kHeader = "GAME RULES";
constexpr std::string_view kSaveBlock = "-----";

enum Key {
    kWildMultiplierKey,
    kFreeSpinsKey,
    kFreeSpinsMultiplierKey,
    kRetriggerKey,
    kWinLinesKey
};
constexpr std::string_view kKeys[] = {"WILD MULTIPLIER", "FREE SPINS", "FREE SPINS MULTIPLIER",
                                      "RETRIGGER", "WIN LINES"};
constexpr int kKeyCount = static_cast<int>(std::size(kKeys));

std::string_view TrimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string Quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

[[noreturn]] void Refuse(const LineCursor& cursor, int line, const std::string& expected) {
    cursor.Fail(line, "GAME RULES section: " + expected);
}

// The save block of a report, and everything after it, is no part of the definition.
bool EndsTheDefinition(std::string_view line) {
    return line.substr(0, kSaveBlock.size()) == kSaveBlock;
}

constexpr const char* kNearMiss =
    " would be the header \"GAME RULES\": section headers must be written exactly";

// Reads on to the header: true when it comes before the save block or the end of the file. A
// line that would be the header if written exactly is refused, so that a typo never silently
// leaves the game with its default rules.
bool FindHeader(LineCursor& cursor) {
    while (const auto line = cursor.Next()) {
        if (EndsTheDefinition(*line)) return false;
        if (*line == kHeader) return true;
        if (ReadsAsHeader(*line, kHeader)) {
            cursor.Fail(cursor.LineNumber(), Quoted(*line) + kNearMiss);
        }
    }
    return false;
}

std::optional<std::int32_t> WholeNumber(std::string_view text, std::int32_t low,
                                        std::int32_t high) {
    text = TrimBlanks(text);
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

// The parts of a list, separated by commas.
std::vector<std::string_view> ListParts(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t comma = text.find(',', from);
        parts.push_back(text.substr(from, comma - from));
        if (comma == std::string_view::npos) return parts;
        from = comma + 1;
    }
}

bool SetWhole(std::string_view value, std::int32_t high, std::int32_t& rule) {
    const auto number = WholeNumber(value, 1, high);
    if (number) rule = *number;
    return number.has_value();
}

// One number for 3, 4 and 5 scatters alike, or one for each.
bool SetSpins(std::string_view value, GameRules::SpinsByScatters& rule) {
    const auto parts = ListParts(value);
    if (parts.size() != 1 && parts.size() != kMaxScatters - kTriggerScatters + 1) return false;
    GameRules::SpinsByScatters spins = {};
    for (int n = kTriggerScatters; n <= kMaxScatters; ++n) {
        const auto part =
            parts.size() == 1 ? parts[0] : parts[static_cast<std::size_t>(n - kTriggerScatters)];
        const auto number = WholeNumber(part, 0, kMaxSpinsPerAward);
        if (!number) return false;
        spins[static_cast<std::size_t>(n)] = *number;
    }
    rule = spins;
    return true;
}

bool SetLines(std::string_view value, bool& from_definition) {
    if (value != "BUILT IN" && value != "DEFINITION") return false;
    from_definition = value == "DEFINITION";
    return true;
}

// Sets the key's rule from its value, trimmed; false when the value is not one the key takes.
bool SetRule(Key key, std::string_view value, GameRules& rules) {
    switch (key) {
        case kWildMultiplierKey:
            return SetWhole(value, kMaxWildMultiplier, rules.WildMultiplier);
        case kFreeSpinsKey:
            return SetSpins(value, rules.FreeSpins);
        case kFreeSpinsMultiplierKey:
            return SetWhole(value, kMaxFreeSpinMultiplier, rules.FreeSpinMultiplier);
        case kRetriggerKey:
            return SetSpins(value, rules.Retrigger);
        case kWinLinesKey:
            return SetLines(value, rules.LinesFromDefinition);
    }
    return false;
}

// What a key's value must be, for the message that refuses one.
std::string ValuesOf(Key key) {
    switch (key) {
        case kWildMultiplierKey:
            return "a whole number from 1 to " + std::to_string(kMaxWildMultiplier);
        case kFreeSpinsMultiplierKey:
            return "a whole number from 1 to " + std::to_string(kMaxFreeSpinMultiplier);
        case kFreeSpinsKey:
        case kRetriggerKey:
            return "one whole number from 0 to " + std::to_string(kMaxSpinsPerAward) +
                   ", or three separated by commas (for 3, 4 and 5 scatters)";
        case kWinLinesKey:
            return "BUILT IN or DEFINITION";
    }
    return {};
}

std::optional<Key> KeyNamed(std::string_view name) {
    for (int k = 0; k < kKeyCount; ++k) {
        if (kKeys[k] == name) return static_cast<Key>(k);
    }
    return std::nullopt;
}

std::string KnownKeys() {
    std::string keys;
    for (const std::string_view key : kKeys) keys += (keys.empty() ? "" : ", ") + std::string(key);
    return keys;
}

// Reads the KEY = VALUE lines after the header, each key at most once.
void ReadKeyLines(LineCursor& cursor, GameRules& rules) {
    int set_at[kKeyCount] = {};
    while (const auto line = cursor.Next()) {
        if (EndsTheDefinition(*line)) return;
        if (TrimBlanks(*line).empty()) continue;
        const int at = cursor.LineNumber();
        const std::size_t equals = line->find('=');
        if (equals == std::string_view::npos) {
            Refuse(cursor, at, Quoted(*line) + ": expected KEY = VALUE or a blank line");
        }
        const std::string_view name = TrimBlanks(line->substr(0, equals));
        const std::string_view value = TrimBlanks(line->substr(equals + 1));
        const auto key = KeyNamed(name);
        if (!key) {
            Refuse(cursor, at, "unknown key " + Quoted(name) + ": expected one of " + KnownKeys());
        }
        if (set_at[*key] != 0) {
            Refuse(cursor, at,
                   std::string(name) + " is already set on line " + std::to_string(set_at[*key]) +
                       ": expected each key at most once");
        }
        set_at[*key] = at;
        if (!SetRule(*key, value, rules)) {
            Refuse(cursor, at,
                   std::string(name) + " = " + Quoted(value) + ": expected " + ValuesOf(*key));
        }
    }
}

// The pays that a wild takes part in, those of the ordinary symbols from two on, must stay
// within 16 bits once multiplied, as the game's line wins are kept.
void CheckWildPays(const LineCursor& cursor, int first_pay_row, const GameDefinition& def) {
    const std::int32_t factor = def.Rules.WildMultiplier;
    for (int sym = 0; sym < kWild; ++sym) {
        for (int n = 2; n < kRunLengths; ++n) {
            const std::int32_t win = def.PayTable[sym][n] * factor;
            if (win >= std::numeric_limits<std::int16_t>::min() &&
                win <= std::numeric_limits<std::int16_t>::max()) {
                continue;
            }
            cursor.Fail(first_pay_row + sym,
                        "paytable row of symbol " + std::to_string(sym) + ": the pay for " +
                            std::to_string(n) + " (" + std::to_string(def.PayTable[sym][n]) +
                            ") times the wild multiplier " + std::to_string(factor) +
                            " is outside -32768..32767: expected pays that stay 16-bit when a "
                            "wild multiplies them");
        }
    }
}

}  // namespace

void ReadRulesSection(LineCursor& cursor, GameDefinition& def) {
    const int first_pay_row = cursor.LineNumber() - (kSymbols - 1);
    def.HasRulesSection = FindHeader(cursor);
    if (!def.HasRulesSection) return;
    ReadKeyLines(cursor, def.Rules);
    CheckWildPays(cursor, first_pay_row, def);
}

}  // namespace kragmoor
