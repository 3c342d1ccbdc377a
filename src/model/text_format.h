// Text helpers shared by every report, log, label and message: display masks, plain decimal,
// number fields, fixed-width fields and print zones, and the conversions the definition reader
// applies to its fields.
//
// The Append* forms add to a caller's buffer, so that code on a hot path can reuse one buffer
// and never allocate; the other forms return a new string.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace kragmoor::text {

// Display masks. "#" is a digit shown only where the number has one, "0" a digit always shown,
// "." the decimal point, "%" multiplies by 100 and is shown, and every other character (a blank,
// "$") is shown where it stands, also before the first digit: "### ### ###" gives "  40" for 40
// and "  " for 0. Rounding is half away from zero on the number's decimal digits: a double as
// printed to 15 significant digits, a single to 7 (0.953465 through "0.000%" is "95.347%").
void AppendMask(std::string& out, std::int64_t value, std::string_view mask);
void AppendMask(std::string& out, double value, std::string_view mask);
std::string Mask(std::int64_t value, std::string_view mask);
std::string Mask(double value, std::string_view mask);
std::string MaskSingle(float value, std::string_view mask);

// "@" masks: a run of n "@" right-aligns a text in n characters; a longer text is shown whole.
void AppendAtMask(std::string& out, std::string_view value, std::string_view mask);

// A mask result stripped of leading and trailing blanks, as the counter labels show it.
std::string Trimmed(std::string_view s);

// Plain decimal: no grouping, no blanks ("-12", "40").
void AppendDecimal(std::string& out, std::int64_t value);
std::string Decimal(std::int64_t value);

// A number as a field of a log record: the sign position (a blank, or "-"), the digits, a blank.
void AppendNumberField(std::string& out, std::int64_t value);

// Fixed-width fields: right-aligned by putting blanks in front and keeping the rightmost width
// characters (a longer text loses its left part); left-aligned by appending blanks and keeping
// the leftmost width characters.
void AppendRight(std::string& out, std::string_view value, std::size_t width);
void AppendLeft(std::string& out, std::string_view value, std::size_t width);

// Print zones are 14 columns wide and start at columns 1, 15, 29, ...: pads the current line of
// `out` (the text after its last line end) with blanks to the start of the next zone.
void PadToNextZone(std::string& out);

// The value-of-text conversion: leading blanks skipped, an optional sign, digits, an optional
// decimal point with digits and an optional exponent; reading stops at the first character that
// cannot continue the number; no number gives 0.
double ValueOfText(std::string_view s);

// The number at the start of a text, as the value-of-text conversion reads it, and the index
// just past its last character; nothing when the text does not begin with a number. A number
// beyond the range of a double reads as an infinity, one too small as zero.
struct LeadingNumber {
    double value = 0.0;
    std::size_t end = 0;
};
std::optional<LeadingNumber> ReadLeadingNumber(std::string_view s);

// Rounds to a 16-bit integer with halves to even; nothing when the result is outside
// -32768..32767 (or the value is not finite).
std::optional<std::int16_t> RoundToInt16(double value);

// A single-precision number as decimal text with up to seven significant digits and no trailing
// zeros, with the given decimal point ("95.12", "96", "0.5").
std::string SingleText(float value, char decimal_point = '.');

// The RTP text of a report header: GameRTP x 100 as a single written without blanks, with a
// comma put before its last two characters (95.12 gives "95,12", 96 gives "96,00").
std::string RtpText(float game_rtp);

// A load time as day.month.year, two blanks, hour:minute:second ("03.04.2026  09:05:07").
std::string LoadTimeText(const std::tm& local_time);

}  // namespace kragmoor::text
