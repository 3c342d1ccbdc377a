// Display masks, fields, print zones and the conversions of the definition reader, checked
// against hand-worked examples and against the records of a reference run.
#include "model/text_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace kragmoor::text {
namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string TextMask(std::string_view value, std::string_view mask) {
    std::string s;
    AppendTextMask(s, value, mask);
    return s;
}

const std::string kRun = std::string(KRAGMOOR_TEST_DATA) + "/g0/random-30000/";

TEST(MaskTest, GroupsThousandsAndShowsLiteralsBeforeTheFirstDigit) {
    EXPECT_EQ(Mask(std::int64_t{1234567}, "### ### ###"), "1 234 567");
    EXPECT_EQ(Mask(std::int64_t{40}, "### ### ###"), "  40");
    EXPECT_EQ(Mask(std::int64_t{0}, "### ### ###"), "  ");
    EXPECT_EQ(Mask(std::int64_t{30000}, "# ### ### ##0"), "  30 000");
    EXPECT_EQ(Mask(std::int64_t{0}, "# ### ### ##0"), "   0");
    EXPECT_EQ(Mask(std::int64_t{1000000}, "# ### ### $"), "1 000 000 $");
    EXPECT_EQ(Mask(std::int64_t{5}, "# ### ### $"), "  5 $");
    EXPECT_EQ(Mask(std::int64_t{40}, "### ###"), " 40");
    EXPECT_EQ(Mask(std::int64_t{0}, "### ###"), " ");
}

TEST(MaskTest, ShowsEveryDigitWhenTheMaskHasTooFewPlaces) {
    EXPECT_EQ(Mask(std::int64_t{1234567}, "### ###"), "1234 567");
    EXPECT_EQ(Mask(std::int64_t{12345678901}, "# ### ### ##0"), "12 345 678 901");
    EXPECT_EQ(Mask(12.345, "0.00%"), "1234.50%");
    EXPECT_EQ(Mask(123456.7, "###0.000"), "123456.700");
}

TEST(MaskTest, PutsTheSignDirectlyBeforeTheFirstDigit) {
    EXPECT_EQ(Mask(std::int64_t{-40}, "### ### ###"), "  -40");
    EXPECT_EQ(Mask(std::int64_t{-1234567}, "### ### ###"), "-1 234 567");
    EXPECT_EQ(Mask(std::int64_t{-250}, "# ### ### $"), "  -250 $");
    EXPECT_EQ(Mask(-0.5, "0.00%"), "-50.00%");
    EXPECT_EQ(Mask(-1.005, "0.00"), "-1.01");
    EXPECT_EQ(Mask(std::numeric_limits<std::int64_t>::min(), "0"), "-9223372036854775808");
    // A negative number that rounds to zero shows no sign.
    EXPECT_EQ(Mask(-0.0001, "0.000"), "0.000");
}

TEST(MaskTest, DecimalsAndPercentages) {
    EXPECT_EQ(Mask(4175094.0 / 600000.0, "### ##0.000%"), " 695.849%");
    EXPECT_EQ(Mask(0.953465, "0.000%"), "95.347%");
    EXPECT_EQ(Mask(0.5, "0.00%"), "50.00%");
    EXPECT_EQ(Mask(0.0, "0.0000%"), "0.0000%");
    EXPECT_EQ(Mask(1.0, "0.0000%"), "100.0000%");
    EXPECT_EQ(Mask(657.8095, "00.000000"), "657.809500");
    EXPECT_EQ(Mask(5.5, "00.000000"), "05.500000");
    EXPECT_EQ(Mask(1234.5, "### ### ##0.000"), " 1 234.500");
    EXPECT_EQ(Mask(0.25, "### ### ##0.000"), "  0.250");
    EXPECT_EQ(Mask(std::int64_t{7}, "0.000%"), "700.000%");
}

TEST(MaskTest, RoundsHalfAwayFromZeroOnTheDecimalDigits) {
    // 1.005 and 0.0285 are just below their halves in binary; their decimal digits are halves.
    EXPECT_EQ(Mask(1.005, "0.00"), "1.01");
    EXPECT_EQ(Mask(0.0285, "0.00"), "0.03");
    EXPECT_EQ(Mask(2.5, "0"), "3");
    EXPECT_EQ(Mask(-2.5, "0"), "-3");
    EXPECT_EQ(Mask(0.4999999, "0"), "0");
    EXPECT_EQ(Mask(9.9995, "0.000"), "10.000");
    EXPECT_EQ(Mask(999999.9996, "### ### ##0.000"), "1 000 000.000");
    EXPECT_EQ(Mask(0.0005, "0.000"), "0.001");
    EXPECT_EQ(Mask(0.00049, "0.000"), "0.000");
    // Beyond 15 significant digits nothing counts: 0.1234999999999999 prints as 0.1235.
    EXPECT_EQ(Mask(0.1234999999999999, "0.000"), "0.124");
}

TEST(MaskTest, SinglesRoundOnSevenSignificantDigits) {
    EXPECT_EQ(MaskSingle(151.6f, "###0.000"), "151.600");
    EXPECT_EQ(MaskSingle(123456.7f, "###0.000"), "123456.700");
    EXPECT_EQ(MaskSingle(0.0f, "###0.000"), "0.000");
    // 1.0005f is 1.000499963... in binary: seven digits read 1.000500, fifteen 1.00049996376038.
    EXPECT_EQ(MaskSingle(1.0005f, "0.000"), "1.001");
    EXPECT_EQ(Mask(static_cast<double>(1.0005f), "0.000"), "1.000");
}

TEST(MaskTest, NonFiniteValuesAreNamed) {
    EXPECT_EQ(Mask(std::nan(""), "0.000%"), "NaN");
    EXPECT_EQ(Mask(std::numeric_limits<double>::infinity(), "0.000%"), "Inf");
    EXPECT_EQ(Mask(-std::numeric_limits<double>::infinity(), "0.000%"), "-Inf");
}

TEST(MaskTest, AppendsWithoutAllocatingWhenTheBufferHasRoom) {
    std::string out;
    out.reserve(256);
    const char* data = out.data();
    for (int i = 0; i < 50; ++i) {
        out.clear();
        AppendMask(out, std::int64_t{1234567890} * i, "# ### ### ##0");
        AppendMask(out, 0.953465 * i, "### ##0.000%");
        AppendMaskSingle(out, 151.6f * static_cast<float>(i), "###0.000");
        AppendTextMask(out, "40", "@@@@@");
        AppendNumberField(out, -i);
        AppendRight(out, "abc", 10);
        AppendLeft(out, "abc", 10);
        PadToNextZone(out);
        AppendDecimal(out, i);
    }
    EXPECT_EQ(out.data(), data);
}

TEST(TextMaskTest, RightAlignsAndShowsLongerTextsWhole) {
    EXPECT_EQ(TextMask("7", "@@@"), "  7");
    EXPECT_EQ(TextMask("20", "@@@"), " 20");
    EXPECT_EQ(TextMask("40", "@@@@@"), "   40");
    EXPECT_EQ(TextMask("123456", "@@@@@"), "123456");
    EXPECT_EQ(TextMask("", "@@@"), "   ");
}

TEST(FieldTest, DecimalAndNumberFields) {
    EXPECT_EQ(Decimal(-12), "-12");
    EXPECT_EQ(Decimal(40), "40");
    std::string s;
    AppendNumberField(s, 40);
    AppendNumberField(s, -40);
    AppendNumberField(s, 0);
    EXPECT_EQ(s, " 40 -40  0 ");
}

TEST(FieldTest, FixedWidthFieldsCutTheFarSide) {
    std::string s;
    AppendRight(s, "74", 10);
    EXPECT_EQ(s, "        74");
    s.clear();
    AppendRight(s, "1234567890123", 10);
    EXPECT_EQ(s, "4567890123");
    s.clear();
    AppendLeft(s, "King,", 11);
    EXPECT_EQ(s, "King,      ");
    s.clear();
    AppendLeft(s, "Abcdefghijk,", 11);
    EXPECT_EQ(s, "Abcdefghijk");
    EXPECT_EQ(Trimmed("   40 "), "40");
    EXPECT_EQ(Trimmed("   "), "");
}

TEST(FieldTest, PrintZonesAreFourteenColumnsAndAlwaysMoveOn) {
    std::string s = "657.809500";
    PadToNextZone(s);
    EXPECT_EQ(s.size(), 14u);
    PadToNextZone(s);  // at the start of zone 2: moves to zone 3
    EXPECT_EQ(s.size(), 28u);
    s = "first line\r\nabc";
    PadToNextZone(s);
    EXPECT_EQ(s, "first line\r\nabc           ");
    s.clear();
    PadToNextZone(s);
    EXPECT_EQ(s, std::string(14, ' '));
}

TEST(ConversionTest, ValueOfTextReadsTheLeadingNumber) {
    EXPECT_EQ(ValueOfText("40"), 40.0);
    EXPECT_EQ(ValueOfText("   1.5abc"), 1.5);
    EXPECT_EQ(ValueOfText("-2.5"), -2.5);
    EXPECT_EQ(ValueOfText("+7"), 7.0);
    EXPECT_EQ(ValueOfText(".5"), 0.5);
    EXPECT_EQ(ValueOfText("96,"), 96.0);
    EXPECT_EQ(ValueOfText("1e3x"), 1000.0);
    EXPECT_EQ(ValueOfText("1e"), 1.0);
    EXPECT_EQ(ValueOfText("2E-1"), 0.2);
    EXPECT_EQ(ValueOfText(" King"), 0.0);
    EXPECT_EQ(ValueOfText("7Seven"), 7.0);
    EXPECT_EQ(ValueOfText(""), 0.0);
    EXPECT_EQ(ValueOfText("- 5"), 0.0);
    EXPECT_EQ(ValueOfText("."), 0.0);
    EXPECT_TRUE(std::isinf(ValueOfText("1e999")));
    EXPECT_EQ(ValueOfText("1e-999"), 0.0);
    EXPECT_EQ(ValueOfText("9" + std::string(400, '0') + "e-800"), 0.0);
    EXPECT_TRUE(std::isinf(ValueOfText("0." + std::string(10, '0') + "1e99999999999999999999")));
    // Exponents at the edge of 64 bits (found by fuzzing: the sum once overflowed).
    EXPECT_TRUE(std::isinf(ValueOfText("300e9223372036854775807")));
    EXPECT_EQ(ValueOfText("3e-9223372036854775808"), 0.0);
    EXPECT_TRUE(
        std::isinf(ValueOfText("-638640.3" + std::string(70, '0') + "e9223372036854775807")));
    const auto number = ReadLeadingNumber("  12.5, 3");
    ASSERT_TRUE(number.has_value());
    EXPECT_EQ(number->end, 6u);
    EXPECT_FALSE(ReadLeadingNumber("abc").has_value());
}

TEST(ConversionTest, RoundsToSixteenBitsWithHalvesToEven) {
    EXPECT_EQ(RoundToInt16(1.5), 2);
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(0.5), 0);
    EXPECT_EQ(RoundToInt16(-1.5), -2);
    EXPECT_EQ(RoundToInt16(2.6), 3);
    EXPECT_EQ(RoundToInt16(32767.0), 32767);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_FALSE(RoundToInt16(32767.5).has_value());
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    EXPECT_FALSE(RoundToInt16(-32769.0).has_value());
    EXPECT_FALSE(RoundToInt16(1e300).has_value());
    EXPECT_FALSE(RoundToInt16(std::nan("")).has_value());
}

TEST(ConversionTest, SingleTextHasSevenDigitsAndNoTrailingZeros) {
    EXPECT_EQ(SingleText(95.12f), "95.12");
    EXPECT_EQ(SingleText(96.0f), "96");
    EXPECT_EQ(SingleText(0.5f), "0.5");
    EXPECT_EQ(SingleText(95.12f, ','), "95,12");
    EXPECT_EQ(SingleText(1.0f / 3.0f), "0.3333333");
    EXPECT_EQ(SingleText(-2.25f), "-2.25");
    EXPECT_EQ(SingleText(0.0f), "0");
    EXPECT_EQ(SingleText(1234567.0f), "1234567");
    EXPECT_EQ(SingleText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(SingleText(0.0001f), "0.0001");
    EXPECT_EQ(SingleText(0.00001f), "1E-05");
}

TEST(ConversionTest, RtpTextPutsACommaBeforeTheHundredths) {
    EXPECT_EQ(RtpText(95.12f), "95,12");
    EXPECT_EQ(RtpText(96.0f), "96,00");
    EXPECT_EQ(RtpText(96.5f), "96,50");
    EXPECT_EQ(RtpText(95.67f), "95,67");
    EXPECT_EQ(RtpText(99.99f), "99,99");
    // Not two decimals: the comma still goes before the last two characters.
    EXPECT_EQ(RtpText(95.123f), "9512,.3");
    // Below 10 % the whole percent keeps two digits, so that the header reads back.
    EXPECT_EQ(RtpText(5.12f), "05,12");
    EXPECT_EQ(RtpText(9.0f + 2.0f / 100.0f), "09,02");  // x 100 is 902.0001 as a single
    EXPECT_EQ(RtpText(0.0f + 1.0f / 100.0f), "00,01");
    EXPECT_EQ(RtpText(0.0f), "00,00");
}

TEST(ConversionTest, EveryHeaderRtpIsWrittenBackAsItWasRead) {
    for (int whole = 0; whole < 100; ++whole) {
        for (int hundredths = 0; hundredths < 100; ++hundredths) {
            const float rtp = static_cast<float>(whole) + static_cast<float>(hundredths) / 100.0f;
            const std::string expected = std::string(1, static_cast<char>('0' + whole / 10)) +
                                         static_cast<char>('0' + whole % 10) + "," +
                                         static_cast<char>('0' + hundredths / 10) +
                                         static_cast<char>('0' + hundredths % 10);
            ASSERT_EQ(RtpText(rtp), expected);
            if (whole >= 10) {
                // From 10 % on, the single's own seven digits already give the hundredths.
                ASSERT_EQ(SingleText(rtp * 100.0f), expected.substr(0, 2) + expected.substr(3));
            }
        }
    }
}

TEST(ConversionTest, LoadTimeHasLeadingZeros) {
    std::tm t{};
    t.tm_mday = 3;
    t.tm_mon = 3;
    t.tm_year = 126;
    t.tm_hour = 9;
    t.tm_min = 5;
    t.tm_sec = 7;
    EXPECT_EQ(LoadTimeText(t), "03.04.2026  09:05:07");
    t.tm_mday = 31;
    t.tm_mon = 11;
    t.tm_hour = 23;
    t.tm_min = 59;
    t.tm_sec = 59;
    EXPECT_EQ(LoadTimeText(t), "31.12.2026  23:59:59");
}

// The records of a reference run, rebuilt from their numbers with the same masks and fields.
TEST(ReferenceRecordTest, SaveBlockTotals) {
    const auto lines = ReadLines(kRun + "Temp1.txt");
    ASSERT_GT(lines.size(), 120u);
    std::size_t at = 0;
    while (at < lines.size() && lines[at].rfind("Games     = ", 0) != 0) ++at;
    ASSERT_LT(at + 3, lines.size());
    EXPECT_EQ(lines[at], "Games     = " + Mask(std::int64_t{30000}, "# ### ### ##0"));
    EXPECT_EQ(lines[at + 1], "Total Win = " + Mask(std::int64_t{4175094}, "# ### ### ##0"));
    EXPECT_EQ(lines[at + 2], "Total Bet = " + Mask(std::int64_t{600000}, "# ### ### ##0"));
    EXPECT_EQ(lines[at + 3], "Total %   = " + Mask(4175094.0 / 600000.0, "### ##0.000%"));
}

TEST(ReferenceRecordTest, LosingStreakTable) {
    const auto lines = ReadLines(kRun + "empty.txt");
    ASSERT_EQ(lines.size(), 50u);
    for (int i = 0; i < 50; ++i) {
        std::istringstream fields(lines[static_cast<std::size_t>(i)]);
        long long length = 0, hits = 0;
        fields >> length >> hits;
        std::string record;
        AppendRight(record, std::string(6, ' ') + Decimal(i), 4);
        AppendRight(record, std::string(24, ' ') + Decimal(hits), 10);
        AppendRight(record,
                    std::string(24, ' ') + Mask(static_cast<double>(hits) / 30000.0, "0.0000%"), 9);
        EXPECT_EQ(record, lines[static_cast<std::size_t>(i)]) << "streak " << i;
    }
}

TEST(ReferenceRecordTest, FeatureRecords) {
    const auto lines = ReadLines(kRun + "FreeSpins.txt");
    ASSERT_GT(lines.size(), 600u);
    for (const std::string& line : lines) {
        std::istringstream fields(line);
        long long game = 0, spins = 0;
        std::string label, equals;
        double won = 0;
        fields >> game >> spins >> label >> equals >> won;
        std::string record;
        AppendRight(record, std::string(9, ' ') + Decimal(game), 10);
        AppendRight(record, std::string(4, ' ') + Decimal(spins), 5);
        record += " Free_Spins_Won = ";
        AppendRight(record, "    " + MaskSingle(static_cast<float>(won), "###0.000"), 9);
        EXPECT_EQ(record, line);
    }
}

TEST(ReferenceRecordTest, ChartLog) {
    const auto lines = ReadLines(kRun + "Percent_10000.txt");
    ASSERT_EQ(lines.size(), 3u);
    const double percents[] = {657.8095, 696.611, 733.1265};
    for (std::size_t i = 0; i < 3; ++i) {
        std::string record = Mask(percents[i], "00.000000");
        PadToNextZone(record);
        AppendNumberField(record, static_cast<std::int64_t>(i + 1) * 10000);
        EXPECT_EQ(record, lines[i]);
    }
}

}  // namespace
}  // namespace kragmoor::text
