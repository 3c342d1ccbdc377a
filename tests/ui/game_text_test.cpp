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

class GameTextTest : public ::testing::Test {
  protected:
    GameText text{Names()};
};

// Rows of 6s, 7s and 8s but for two scatters, top and bottom right, as the engine tells them.
TEST_F(GameTextTest, AShownBaseGameDescribesItsLinesAndScatters) {
    text.LineWon({0, 9, 3, 1});
    text.GameShown({.round = Round::BaseGame});
    EXPECT_EQ(text.Text(), "") << "a game shown from its start clears the previous one";
    for (const LineWin& w : {LineWin{0, 7, 5, 751}, LineWin{1, 6, 3, 631}, LineWin{2, 8, 4, 841},
                             LineWin{5, 6, 2, 621}, LineWin{6, 8, 2, 821}})
        text.LineWon(w);
    text.ScattersWon({.round = Round::BaseGame, .count = 2, .win = 24420});
    text.GameEnded({.round = Round::BaseGame, .feature_win = 0});
    EXPECT_EQ(text.Text(),
              "Line :  1,  Win :  751, - 5 S7\r\n"
              "Line :  2,  Win :  631, - 3 S6\r\n"
              "Line :  3,  Win :  841, - 4 S8\r\n"
              "Line :  6,  Win :  621, - 2 S6\r\n"
              "Line :  7,  Win :  821, - 2 S8\r\n"
              "2 Scatter Win: 24 420\r\n");
    EXPECT_FALSE(text.TakeBeep());
}

// The line and the win fill 3 and 5 places from the right; a longer win is shown whole. A
// scatter win of 0 leaves the blank of its mask.
TEST_F(GameTextTest, WideFiguresAndTheSymbolNamesOfWildAndScatter) {
    text.GameShown({.round = Round::FreeSpin});
    text.LineWon({19, kWild, 5, 123456});
    text.LineWon({9, 0, 2, 4});
    text.ScattersWon({.round = Round::FreeSpin, .count = 5, .win = 0});
    EXPECT_EQ(text.Text(),
              "Line : 20,  Win :123456, - 5 Wild\r\n"
              "Line : 10,  Win :    4, - 2 S0\r\n"
              "5 Scatter Win:  \r\n");
}

TEST_F(GameTextTest, AFeatureIsAwardedAndEachFreeSpinEndsWithItsWinSoFar) {
    text.GameShown({.round = Round::BaseGame});
    text.ScattersWon({.round = Round::BaseGame, .count = 3, .win = 80});
    text.FreeSpinsAwarded({Round::BaseGame, 3, 15});
    EXPECT_EQ(text.Text(),
              "3 Scatter Win:  80\r\n"
              "3 SCATTERS = 15 Free Spins At x4\r\n");

    text.GameShown({.round = Round::FreeSpin});
    text.ScattersWon({.round = Round::FreeSpin, .count = 4, .win = 97680});
    text.FreeSpinsAwarded({Round::FreeSpin, 4, 15});
    text.GameEnded({.round = Round::FreeSpin, .feature_win = 1234567});
    EXPECT_EQ(text.Text(),
              "4 Scatter Win: 97 680\r\n"
              "4 SCATTERS = New 15 Free Spins At x4\r\n"
              "_________________\r\n"
              "Free Spin win = 1 234 567\r\n");

    text.GameShown({.round = Round::FreeSpin});
    text.GameEnded({.round = Round::FreeSpin, .feature_win = 0});
    EXPECT_EQ(text.Text(), "_________________\r\nFree Spin win = \r\n") << "nothing won yet";
}

// A run that Auto Stop ends inside a game shows the rest of it after the text already there.
TEST_F(GameTextTest, AGameJoinedUnderWayAddsToTheTextThere) {
    text.GameShown({.round = Round::BaseGame});
    text.LineWon({3, 2, 3, 231});
    text.GameShown({.round = Round::BaseGame, .joined_under_way = true});
    text.LineWon({4, kWild, 5, 1151});
    EXPECT_EQ(text.Text(),
              "Line :  4,  Win :  231, - 3 S2\r\n"
              "Line :  5,  Win : 1151, - 5 Wild\r\n");
}

// Whether the files were written or not, a save says so and beeps once.
TEST_F(GameTextTest, ASaveReplacesTheTextAndBeepsOnce) {
    for (const bool ok : {true, false}) {
        text.GameShown({.round = Round::BaseGame});
        text.LineWon({0, 1, 2, 121});
        text.SaveDone(ok);
        EXPECT_EQ(text.Text(), "LOG DONE !!!");
        EXPECT_TRUE(text.TakeBeep());
        EXPECT_FALSE(text.TakeBeep());
    }
}

// The message boxes of a run that Auto Stop ended, and of one that reached its cycle of games.
TEST_F(GameTextTest, NoticesOfARunThatEnded) {
    using enum AutoStopCause;
    EXPECT_EQ(GameText::AutoStopNotice({Jackpot, Round::BaseGame, 123}),
              "JACKPOT!!!\r\nGame = 123");
    EXPECT_EQ(GameText::AutoStopNotice({Jackpot, Round::FreeSpin, 7}),
              "JACKPOT!!!\r\nGame = 7\r\n Free Spin ");
    EXPECT_EQ(GameText::AutoStopNotice({Feature, Round::BaseGame, 100000}),
              "Free Spins \r\nGame = 100000");
    EXPECT_EQ(GameText::CycleEndNotice(100000000), "100000000 Games!");
}

}  // namespace
}  // namespace kragmoor
