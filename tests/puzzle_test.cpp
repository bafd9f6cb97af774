// Dealing, solving and checking through the real handlers on a fake board.
#include <gtest/gtest.h>

#include <QSet>
#include <array>

#include "fake_controls.h"
#include "puzzle/solver.h"
#include "puzzle/text.h"

using namespace numvella;
using namespace numvella::testing;

namespace {

struct PuzzleFixture : ::testing::Test {
  FakeBoard board;
  FakeServices fake{board};
  ProgramValues values;
  Game game{values, board, fake.services};
};

// The generator by hand: seed, one step, bits 16..30.
int32_t firstDraw(uint32_t seed, int32_t high) {
  const uint32_t state = seed * 214013u + 2531011u;
  return 1 + int32_t((state >> 16) & 0x7FFF) % high;
}

}  // namespace

TEST_F(PuzzleFixture, OneTwoThreeFourListsAllFortyEightWaysThenTheSeparator) {
  SolveAndList(game, 1, 2, 3, 4);
  const QStringList lines = board.lines();
  ASSERT_EQ(lines.size(), 49);
  EXPECT_EQ(lines.first(), "((1+2)+3)*4=24");
  EXPECT_EQ(lines.last(), "============================");
  EXPECT_TRUE(board.answerBox.endsWith("=24\r\n============================\r\n"));
}

TEST_F(PuzzleFixture, ShowAllOffStopsAtTheFirstWay) {
  board.showAll = false;
  board.busyVisible = true;
  SolveAndList(game, 1, 2, 3, 4);
  EXPECT_EQ(board.answerBox, "((1+2)+3)*4=24\r\n============================\r\n");
  EXPECT_FALSE(board.busyVisible);
}

TEST_F(PuzzleFixture, RepeatedNumbersRepeatLines) {
  SolveAndList(game, 4, 4, 4, 4);
  QStringList lines = board.lines();
  ASSERT_EQ(lines.size(), 25);
  lines.removeLast();
  for (const QString &l : lines) EXPECT_EQ(l, "((4*4)+4)+4=24");

  board.clearAnswerBox();
  SolveAndList(game, 2, 2, 9, 1);
  lines = board.lines();
  ASSERT_EQ(lines.size(), 13);
  EXPECT_EQ(lines.first(), "((2+9)+1)*2=24");
}

TEST_F(PuzzleFixture, NumbersOutOfRangeOnlyGetTheRangeMessage) {
  for (auto hand : {std::array{0, 1, 2, 3}, std::array{1, 2, 3, 14}, std::array{-5, 5, 5, 5}}) {
    board.answerBox.clear();
    board.busyVisible = true;
    SolveAndList(game, hand[0], hand[1], hand[2], hand[3]);
    EXPECT_EQ(board.answerBox, "输入的数字应在1～13之间\r\n");
    EXPECT_TRUE(board.busyVisible) << "the range path leaves the busy notice alone";
    EXPECT_EQ(board.numbers[0], "10") << "and deals nothing";
  }
}

TEST_F(PuzzleFixture, ValuesNearTwentyFourCountWithinTheTolerance) {
  // 8/(3-8/3) is not of the searched shape, but ((1/3)+... style divisions
  // leave rounding error; the line still prints 24.
  Solution s{{0, 1, 2, 3}, {4, 1, 3}, 23.999999999999996};
  const int32_t n[4] = {1, 3, 2, 8};
  EXPECT_EQ(SolutionLine(n, s), "((1/3)+2)*8=24\r\n");
  s.value = 24.0000001;
  EXPECT_EQ(SolutionLine(n, s), "((1/3)+2)*8=24.0000001\r\n");
  for (double r : {24.0, 24 + 0.5e-7, 24 - 0.9e-7, 23.999999999999996}) EXPECT_TRUE(CountsAsTwentyFour(r)) << r;
  for (double r : {24 + 1.5e-7, 24 - 2e-7, 23.0, -24.0}) EXPECT_FALSE(CountsAsTwentyFour(r)) << r;
}

TEST(Solver, CountsOfHandsWithoutASolutionOverAllOrderedDraws) {
  for (auto [high, expected] : {std::pair{10, 2077}, std::pair{13, 7771}}) {
    int none = 0;
    for (int a = 1; a <= high; ++a)
      for (int b = 1; b <= high; ++b)
        for (int c = 1; c <= high; ++c)
          for (int d = 1; d <= high; ++d) {
            const int32_t n[4] = {a, b, c, d};
            if (!SearchHand(n, [](const Solution &) { return false; })) ++none;
          }
    EXPECT_EQ(none, expected) << "numbers 1.." << high;
  }
}

TEST_F(PuzzleFixture, DealDrawsFromTheGeneratorReseededBeforeEveryNumber) {
  board.setBoard(1, 2, 3, 4);
  fake.tick = 1000;
  DealProblem(game);
  // Seeds: t + c, then c grows by ((t + c) mod 256) + 100.
  uint32_t c = 0;
  for (int i = 0; i < 4; ++i) {
    const uint32_t seed = 1000 + c;
    EXPECT_EQ(board.numbers[i].toInt(), firstDraw(seed, 10)) << "label " << i;
    c += seed % 256 + 100;
  }
  EXPECT_EQ(uint32_t(values.ReseedCounter), c);
  // The answer box is cleared before the pause and lists the old board after.
  ASSERT_EQ(fake.answerBoxDuringPauses, QStringList{""});
  EXPECT_TRUE(board.answerBox.startsWith("((1+2)+3)*4=24\r\n"));
}

TEST_F(PuzzleFixture, ReseedCounterWrapsWithoutOverflow) {
  values.ReseedCounter = std::numeric_limits<int32_t>::max() - 50;
  fake.tick = 0xFFFFFFF0u;
  board.setBoard(1, 2, 3, 4);
  DealProblem(game);  // sanitizers object to signed overflow here
  for (const QString &n : board.numbers) EXPECT_TRUE(n.toInt() >= 1 && n.toInt() <= 10);
}

TEST_F(PuzzleFixture, DifficultyBoundsTheNumbers) {
  for (bool easy : {true, false}) {
    board.easy = easy;
    QSet<int> seen;
    for (uint32_t t = 0; t < 400; t += 3) {
      fake.tick = t;
      board.setBoard(1, 2, 3, 4);
      DealProblem(game);
      for (const QString &n : board.numbers) seen.insert(n.toInt());
    }
    EXPECT_EQ(*std::min_element(seen.begin(), seen.end()), 1);
    EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), easy ? 10 : 13);
  }
}

TEST_F(PuzzleFixture, BoardWithoutSolutionIsReplacedUntilASolvableOneIsMet) {
  // The start-up board 10 10 10 10 has no solution of the searched shape.
  fake.tick = 5;
  DealProblem(game);
  // Every deal in the chain cleared the box before its pause; the box ends up
  // listing the set dealt just before the final one.
  ASSERT_GE(fake.answerBoxDuringPauses.size(), 2);
  for (const QString &during : fake.answerBoxDuringPauses) EXPECT_EQ(during, "");
  EXPECT_FALSE(board.answerBox.contains("无法算出24"));
  EXPECT_TRUE(board.answerBox.endsWith("============================\r\n"));
  EXPECT_EQ(board.answerBox.count("============================"), 1);
}

TEST_F(PuzzleFixture, NoSolutionAppendsTheMessageAndDealsAgain) {
  board.setBoard(1, 2, 3, 4);  // the next deal will list 1 2 3 4: solvable
  SolveAndList(game, 3, 3, 8, 8);
  EXPECT_EQ(fake.answerBoxDuringPauses.size(), 1u);
  EXPECT_EQ(fake.answerBoxDuringPauses.first(), "") << "the deal cleared 无法算出24 again";
  EXPECT_TRUE(board.answerBox.startsWith("((1+2)+3)*4=24\r\n"));
  EXPECT_EQ(board.answerBox.count("============================"), 1)
      << "the call that found nothing writes no separator";
}

TEST_F(PuzzleFixture, CheckAnswerJudgesByTheValuesText) {
  struct Case {
    const char *expression;
    int resultCode;  // 0: no verdict at all
  } cases[] = {
      {"(1+2+9)*2", 1},  {"  24  ", 1},   {"\u3000 24\u3000", 1}, {"8/(3-8/3)", 1}, {"12*2", 1},
      {"2+", 2},         {"10/0", 2},     {"（1+2+9）*2", 2},     {"25", 2},        {"\t", 2},
      {"", 0},           {"   ", 0},      {"\u3000\u3000", 0},
  };
  for (const Case &c : cases) {
    board.setBoard(1, 2, 3, 4);
    board.expression = QString::fromUtf8(c.expression);
    values.ResultCode = 0;
    values.Score = 5;
    board.resultWindowsOpened = 0;
    board.whileResultWindowOpen = [&] { EXPECT_EQ(values.Score, 5) << "the point comes after the window"; };
    CheckAnswer(game);
    EXPECT_EQ(values.ResultCode, c.resultCode) << c.expression;
    EXPECT_EQ(board.resultWindowsOpened, c.resultCode ? 1 : 0) << c.expression;
    EXPECT_EQ(values.Score, c.resultCode == 1 ? 6 : 5) << c.expression;
    EXPECT_TRUE(board.answerBox.startsWith("((1+2)+3)*4=24")) << "the solver ran first: " << c.expression;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(values.ProblemSlots[i], i + 1);
  }
}

TEST_F(PuzzleFixture, CheckingAnUnsolvableBoardDealsANewOneBeforeTheVerdict) {
  board.expression = "24";
  board.busyVisible = false;
  board.whileResultWindowOpen = [&] { EXPECT_NE(board.numbers[0] + board.numbers[1], "1010"); };
  CheckAnswer(game);  // board 10 10 10 10
  EXPECT_EQ(values.ResultCode, 1);
  EXPECT_FALSE(board.busyVisible);
}
