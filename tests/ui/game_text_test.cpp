// The main window's text box as the engine's events write it: every text byte for byte, CR LF
// line ends included, and the one beep of a save.
#include "ui/text/game_text.h"

#include <gtest/gtest.h>

#include <string>

namespace kragmoor {
namespace {

std::array<std::string, kSymbols> Names() {
    std::array<std::string, kSymbols> names;
    for (int s = 0; s < kSymbols; ++s) names[static_cast<std::size_t>(s)] = "S" + std::to_string(s);
    names[kWild] = "Wild";
    names[kScatter] = "Scatter";
    return names;
}

// A game shown from its start clears the previous one; the line and the win fill 3 and 5 places
// from the right, a longer win whole; a scatter win of 0 leaves the blank of its mask.
TEST(GameText, LinesAndScattersOfAShownGame) {
    GameText text{Names()};
    text.LineWon({0, 9, 3, 1});
    text.GameShown({.round = Round::BaseGame});
    EXPECT_EQ(text.Text(), "");
    for (const LineWin& w :
         {LineWin{0, 7, 5, 751}, LineWin{19, kWild, 5, 123456}, LineWin{9, 0, 2, 4}})
        text.LineWon(w);
    text.ScattersWon({.round = Round::BaseGame, .count = 2, .win = 24420});
    text.ScattersWon({.round = Round::FreeSpin, .count = 5, .win = 0});
    text.GameEnded({.round = Round::BaseGame, .feature_win = 0});
    EXPECT_EQ(text.Text(),
              "Line :  1,  Win :  751, - 5 S7\r\n"
              "Line : 20,  Win :123456, - 5 Wild\r\n"
              "Line : 10,  Win :    4, - 2 S0\r\n"
              "2 Scatter Win: 24 420\r\n"
              "5 Scatter Win:  \r\n");
    EXPECT_FALSE(text.TakeBeep());
}

TEST(GameText, AFeatureIsAwardedAndEachFreeSpinEndsWithItsWinSoFar) {
    GameText text{Names()};
    text.GameShown({.round = Round::BaseGame});
    text.FreeSpinsAwarded({Round::BaseGame, 3, 15, 4});
    EXPECT_EQ(text.Text(), "3 SCATTERS = 15 Free Spins At x4\r\n");
    text.GameShown({.round = Round::FreeSpin});
    text.FreeSpinsAwarded({Round::FreeSpin, 4, 15, 4});
    text.GameEnded({.round = Round::FreeSpin, .feature_win = 1234567});
    EXPECT_EQ(text.Text(),
              "4 SCATTERS = New 15 Free Spins At x4\r\n"
              "_________________\r\n"
              "Free Spin win = 1 234 567\r\n");
    // Another game's rules: the award and the multiplier are its own.
    text.GameShown({.round = Round::BaseGame});
    text.FreeSpinsAwarded({Round::BaseGame, 5, 20, 3});
    EXPECT_EQ(text.Text(), "5 SCATTERS = 20 Free Spins At x3\r\n");
    text.GameShown({.round = Round::FreeSpin});
    text.FreeSpinsAwarded({Round::FreeSpin, 3, 4, 3});
    EXPECT_EQ(text.Text(), "3 SCATTERS = New 4 Free Spins At x3\r\n");
}

// A run that Auto Stop ends inside a game shows the rest of it after the text already there.
// Whether the files were written or not, a save replaces the text and beeps once.
TEST(GameText, AGameJoinedUnderWayAddsToTheTextAndASaveReplacesIt) {
    GameText text{Names()};
    text.GameShown({.round = Round::BaseGame});
    text.LineWon({3, 2, 3, 231});
    text.GameShown({.round = Round::BaseGame, .joined_under_way = true});
    text.LineWon({4, kWild, 5, 1151});
    EXPECT_EQ(text.Text(),
              "Line :  4,  Win :  231, - 3 S2\r\nLine :  5,  Win : 1151, - 5 Wild\r\n");
    for (const bool ok : {true, false}) {
        text.SaveDone(ok);
        EXPECT_EQ(text.Text(), "LOG DONE !!!");
        EXPECT_TRUE(text.TakeBeep());
        EXPECT_FALSE(text.TakeBeep());
    }
}

// The window's own test sees the base-game boxes of Auto Stop.
TEST(GameText, NoticesOfARunThatEnded) {
    EXPECT_EQ(GameText::AutoStopNotice({AutoStopCause::Jackpot, Round::FreeSpin, 7}),
              "JACKPOT!!!\r\nGame = 7\r\n Free Spin ");
    EXPECT_EQ(GameText::CycleEndNotice(100000000), "100000000 Games!");
}

}  // namespace
}  // namespace kragmoor
