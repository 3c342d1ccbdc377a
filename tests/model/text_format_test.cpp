// Display masks, fields, print zones and the conversions of the definition reader, checked
// against hand-worked examples (the masks every file uses, the golden runs check too).
#include "model/text_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <tuple>

namespace kragmoor::text {
namespace {

using I = std::int64_t;

TEST(MaskTest, KnownExamples) {
    const double inf = std::numeric_limits<double>::infinity();
    // Kind, value, mask and text; 'i' shows the value as a 64-bit integer, 's' as a single.
    const std::tuple<char, double, const char*, const char*> cases[] = {
        // Literals show also before the first digit; "#" shows no digit of a zero (the grouped
        // counts of the files are the golden runs').
        {'i', 0, "### ### ###", "  "},
        {'i', 5, "# ### ### $", "  5 $"},
        // A mask with too few places shows every digit.
        {'i', 12345678901, "# ### ### ##0", "12 345 678 901"},
        {'d', 123456.7, "###0.000", "123456.700"},
        // The sign stands directly before the first digit; a value rounded to zero has none.
        {'i', -40, "### ### ###", "  -40"},
        {'i', -0x1p63, "0", "-9223372036854775808"},
        {'d', -0.0001, "0.000", "0.000"},
        // Halves round away from zero on the decimal digits (1.005 is just below its half in
        // binary); beyond 15 significant digits nothing counts.
        {'d', 1.005, "0.00", "1.01"},
        {'d', -2.5, "0", "-3"},
        {'d', 999999.9996, "### ### ##0.000", "1 000 000.000"},
        {'d', 0.1234999999999999, "0.000", "0.124"},
        // Singles round on seven digits: 1.0005f is 1.000499963... in binary.
        {'s', 123456.7, "###0.000", "123456.700"},
        {'s', 1.0005, "0.000", "1.001"},
        {'d', static_cast<double>(1.0005f), "0.000", "1.000"},
        {'d', std::nan(""), "0.000%", "NaN"},
        {'d', -inf, "0.000%", "-Inf"}};
    for (const auto& [kind, value, mask, text] : cases) {
        const std::string shown = kind == 'i'   ? Mask(static_cast<I>(value), mask)
                                  : kind == 's' ? MaskSingle(static_cast<float>(value), mask)
                                                : Mask(value, mask);
        EXPECT_EQ(shown, text) << kind << ' ' << value << " through \"" << mask << '"';
    }
    // "@" right-aligns a text; a longer one shows whole.
    std::string s;
    AppendAtMask(s, "7", "@@@");
    AppendAtMask(s, "123456", "@@@@@");
    EXPECT_EQ(s, "  7123456");
}

TEST(FieldTest, NumberFieldsFixedWidthFieldsAndZones) {
    std::string s = Decimal(-12);
    AppendNumberField(s, 40);
    AppendNumberField(s, -40);
    AppendNumberField(s, 0);
    AppendRight(s, "74", 10);
    AppendRight(s, "1234567890123", 10);  // a right-aligned field loses its left part
    AppendLeft(s, "King,", 11);
    AppendLeft(s, "Abcdefghijk,", 11);
    EXPECT_EQ(s, "-12 40 -40  0         744567890123King,      Abcdefghijk");
    EXPECT_EQ(Trimmed("   40 "), "40");
    // Zones count on the current line, and padding always moves on.
    s = "first line\r\nabc";
    PadToNextZone(s);
    EXPECT_EQ(s, "first line\r\nabc           ");
    PadToNextZone(s);
    EXPECT_EQ(s.size(), 12u + 28u);
}

TEST(ConversionTest, ValueOfTextReadsTheLeadingNumber) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<std::string, double> cases[] = {
        {"-2.5", -2.5},
        {"+7", 7.0},
        {".5", 0.5},
        {"1e3x", 1000.0},
        {"1e", 1.0},
        {"2E-1", 0.2},
        {"", 0.0},
        {"- 5", 0.0},
        {"1e999", inf},
        {"9" + std::string(400, '0') + "e-800", 0.0},
        {"0." + std::string(10, '0') + "1e99999999999999999999", inf},
        // Exponents at the edge of 64 bits (found by fuzzing: the sum once overflowed).
        {"300e9223372036854775807", inf},
        {"3e-9223372036854775808", 0.0},
        {"-638640.3" + std::string(70, '0') + "e9223372036854775807", -inf}};
    for (const auto& [text, value] : cases) EXPECT_EQ(ValueOfText(text), value) << text;
}

TEST(ConversionTest, SingleTextHasSevenDigitsAndNoTrailingZeros) {
    EXPECT_EQ(SingleText(95.12f), "95.12");
    EXPECT_EQ(SingleText(96.0f), "96");
    EXPECT_EQ(SingleText(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(SingleText(95.12f, ','), "95,12");
    // Not two decimals: the comma still goes before the last two characters.
    EXPECT_EQ(RtpText(95.123f), "9512,.3");
}

// Every RTP a header can hold is written back as it was read; below 10 % the whole percent
// keeps two digits ("05,12"), so that the header reads back.
TEST(ConversionTest, EveryHeaderRtpIsWrittenBackAsItWasRead) {
    for (int whole = 0; whole < 100; ++whole) {
        for (int hundredths = 0; hundredths < 100; ++hundredths) {
            const float rtp = static_cast<float>(whole) + static_cast<float>(hundredths) / 100.0f;
            char expected[8];
            std::snprintf(expected, sizeof expected, "%02d,%02d", whole, hundredths);
            ASSERT_EQ(RtpText(rtp), expected);
            if (whole >= 10) {
                // From 10 % on, the single's own seven digits already give the hundredths.
                ASSERT_EQ(SingleText(rtp * 100.0f), std::to_string(whole * 100 + hundredths));
            }
        }
    }
}

}  // namespace
}  // namespace kragmoor::text
