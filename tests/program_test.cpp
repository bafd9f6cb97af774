// The whole program driven as a player drives it: clicks and keys on the real
// windows, time from the test's own clock.
#include <QAccessible>

#include "program_fixture.h"

using namespace numvella;
using namespace numvella::testing;

namespace {
const QString kRight = QStringLiteral("成功算出24，继续努力！！！");
const QString kWrong = QStringLiteral("很抱歉该式子算不出24！！！");
}  // namespace

TEST_F(ProgramFixture, DuringTheIntroOnlyTheIntroIsOnScreen) {
  bool checked = false;
  start([&] {
    EXPECT_TRUE(intro()->isVisible());
    EXPECT_FALSE(main()->isVisible());
    EXPECT_FALSE(main()->isEnabled()) << "the modal intro disables the main window";
    EXPECT_EQ(QApplication::activeModalWidget(), intro());
    EXPECT_EQ(intro()->focusWidget(), intro()->ui.按钮1);
    EXPECT_EQ(intro()->ui.按钮1->text(), "请细细观看（继续）");
    EXPECT_GE(intro()->ui.透明标签1->text().size(), 300);
    EXPECT_EQ(intro()->size(), QSize(582, 369));
    EXPECT_TRUE(intro()->windowFlags() & Qt::FramelessWindowHint);

    QTest::mouseClick(intro()->ui.按钮1, Qt::LeftButton);
    EXPECT_EQ(intro()->ui.透明标签1->text(), IntroWindow::kRulesText);
    EXPECT_TRUE(IntroWindow::kRulesText.contains("(1+2+9)*2     即可验证是否正确。"));
    EXPECT_EQ(intro()->ui.按钮1->text(), "继续");
    EXPECT_FALSE(main()->isVisible()) << "not before the second click";
    QTest::mouseClick(intro()->ui.按钮1, Qt::LeftButton);
    checked = true;
  });
  ASSERT_TRUE(checked);
  EXPECT_EQ(intro(), nullptr);
  EXPECT_TRUE(main()->isVisible());
  EXPECT_TRUE(main()->isEnabled());
}

TEST_F(ProgramFixture, EscOnTheFirstIntroPageOpensTheGameAtOnce) {
  start([&] { QTest::keyClick(intro(), Qt::Key_Escape); });
  EXPECT_EQ(intro(), nullptr);
  EXPECT_TRUE(main()->isVisible());
  EXPECT_EQ(programEnds, 0);
}

TEST_F(ProgramFixture, MainWindowAfterTheIntro) {
  program = nullptr;
  makeProgram();
  program->values.Score = 9;  // start-up sets it back to 0
  whenReady([this] { return intro() && intro()->isVisible(); },
            [this] { QTest::keyClick(intro(), Qt::Key_Escape); });
  program->start();
  QCoreApplication::processEvents();

  MainWindow *w = main();
  EXPECT_EQ(board(), QStringList({"10", "10", "10", "10"}));
  EXPECT_EQ(w->ui.计时按钮->text(), "开始");
  EXPECT_FALSE(w->ui.按钮1->isEnabled());
  EXPECT_FALSE(w->ui.按钮2->isEnabled());
  EXPECT_EQ(w->ui.透明标签2->text(), "");
  EXPECT_EQ(QApplication::focusWidget(), w->ui.编辑框1);
  EXPECT_EQ(program->values.Score, 0);
  EXPECT_EQ(std::tuple(program->values.ClockHours, program->values.ClockMinutes, program->values.ClockSeconds),
            std::tuple(0, 5, 0));
  EXPECT_EQ(w->windowTitle(), "Verdelin精品【Numvella】");
  EXPECT_EQ(w->size(), QSize(452, 259));
  EXPECT_EQ(w->minimumSize(), w->maximumSize());
  EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(w->windowIcon().isNull());
  EXPECT_TRUE(w->ui.选择框1->isChecked());
  EXPECT_TRUE(w->ui.单选框1->isChecked());
  EXPECT_FALSE(w->ui.标签2->isVisible());
  EXPECT_EQ(w->ui.编辑框2->text(), "300");
  // The hidden controls lie below the client area yet are live.
  EXPECT_GE(w->ui.编辑框2->y(), w->height());
  EXPECT_TRUE(w->ui.编辑框2->isVisible());
  // Numbers in a heavy sans, 48 px, coloured.
  const QFontInfo numberFont(w->ui.a标签->font());
  EXPECT_EQ(numberFont.pixelSize(), 48);
  EXPECT_EQ(numberFont.family(), "Lato Black") << "Arial Black maps to a heavy sans that is installed";
  EXPECT_EQ(QFontInfo(w->ui.透明标签1->font()).family(), "WenQuanYi Micro Hei") << "Chinese text in a Chinese font";
  EXPECT_EQ(w->ui.a标签->palette().color(QPalette::WindowText), QColor("#FF8000"));
  EXPECT_EQ(w->ui.d标签->palette().color(QPalette::WindowText), QColor("#FF00FF"));
}

TEST_F(ProgramFixture, TabOrderSkipsDisabledControls) {
  start();
  MainWindow *w = main();
  QStringList order;
  for (int i = 0; i < 9; ++i) {
    order << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(order, QStringList({"编辑框1", "单选框1", "选择框1", "编辑框6", "计时按钮", "编辑框2", "按钮3",
                                "编辑框1", "单选框1"}));
  QTest::mouseClick(w->ui.计时按钮, Qt::LeftButton);
  w->ui.编辑框1->setFocus();
  QTest::keyClick(w->ui.编辑框1, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w->ui.按钮1);
  QTest::keyClick(w->ui.按钮1, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w->ui.按钮2);
}

TEST_F(ProgramFixture, EscInTheMainWindowEndsTheProgram) {
  start();
  QTest::keyClick(main()->ui.编辑框6, Qt::Key_Escape);
  EXPECT_EQ(main(), nullptr);
  EXPECT_EQ(programEnds, 1);
}

TEST_F(ProgramFixture, EnterInTheExpressionFieldDoesNotCheck) {
  startPlaying();
  typeExpression("24");
  QTest::keyClick(main()->ui.编辑框6, Qt::Key_Return);
  QTest::keyClick(main()->ui.编辑框6, Qt::Key_Enter);
  QCoreApplication::processEvents();
  EXPECT_EQ(result(), nullptr);
  EXPECT_EQ(program->values.ResultCode, 0);
}

TEST_F(ProgramFixture, HardDifficultyDrawsUpToThirteen) {
  startPlaying();
  QTest::mouseClick(main()->ui.单选框2, Qt::LeftButton);
  EXPECT_TRUE(main()->ui.单选框2->isChecked());
  EXPECT_FALSE(main()->ui.单选框1->isChecked());
  int highest = 0;
  for (uint32_t t = 0; t < 300 && highest <= 10; t += 7) {
    tick = t;
    QTest::mouseClick(main()->ui.按钮1, Qt::LeftButton);
    for (const QString &n : board()) highest = std::max(highest, n.toInt());
  }
  EXPECT_GT(highest, 10);
  EXPECT_LE(highest, 13);
}

TEST_F(ProgramFixture, DealingListsThePreviousBoardsSolutions) {
  startPlaying();
  setBoard(1, 2, 3, 4);
  main()->ui.编辑框1->setPlainText("old");
  QTest::mouseClick(main()->ui.按钮1, Qt::LeftButton);
  EXPECT_EQ(answerBoxDuringPauses, QStringList{""}) << "the box is empty during the pause";
  const QStringList lines = main()->ui.编辑框1->toPlainText().split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 49);
  EXPECT_EQ(lines.first(), "((1+2)+3)*4=24");
  EXPECT_NE(board(), QStringList({"1", "2", "3", "4"}));
  // The caret ends at the end of the listing.
  EXPECT_TRUE(main()->ui.编辑框1->textCursor().atEnd());
}

TEST_F(ProgramFixture, PuzzleButtonsFollowTheClock) {
  start();
  MainWindow *w = main();
  QTest::mouseClick(w->ui.计时按钮, Qt::LeftButton);
  EXPECT_EQ(w->ui.计时按钮->text(), "暂停");
  EXPECT_TRUE(w->ui.按钮1->isEnabled() && w->ui.按钮2->isEnabled());
  tickClock();
  EXPECT_EQ(w->ui.透明标签2->text(), "0:04:59");
  QTest::mouseClick(w->ui.计时按钮, Qt::LeftButton);
  EXPECT_EQ(w->ui.计时按钮->text(), "开始");
  EXPECT_FALSE(w->ui.按钮1->isEnabled() || w->ui.按钮2->isEnabled());
  EXPECT_EQ(w->倒计时.period(), 0);
}

TEST_F(ProgramFixture, TimeUpAnnouncesTheScoreInAMessageBox) {
  startPlaying();
  program->values.Score = 2;
  tickClock(299);
  QString message;
  whenReady([] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); },
            [&] { message = closeMessageBox(); });
  tickClock();
  EXPECT_EQ(message, "恭喜同学您答对了2题|信息：");
  EXPECT_EQ(main()->ui.透明标签2->text(), "0:00:00");
  EXPECT_EQ(main()->ui.计时按钮->text(), "开始");
  EXPECT_EQ(program->values.Score, 0);
}

TEST_F(ProgramFixture, RightAnswerDealsANewProblemAndScoresAfterTheWindowCloses) {
  startPlaying();
  setBoard(2, 2, 9, 1);
  typeExpression("(1+2+9)*2");
  const QString verdict = check([&] {
    EXPECT_FALSE(main()->isVisible()) << "the verdict replaces the main window";
    EXPECT_FALSE(main()->isEnabled());
    EXPECT_EQ(result()->focusWidget(), result()->ui.继续);
    EXPECT_EQ(result()->size(), QSize(321, 119));
    EXPECT_EQ(program->values.Score, 0);
    EXPECT_EQ(program->values.ResultCode, 1);
    tickClock();  // the countdown goes on behind the verdict
    EXPECT_EQ(main()->ui.透明标签2->text(), "0:04:59");
  });
  EXPECT_EQ(verdict, kRight);
  EXPECT_EQ(result(), nullptr);
  EXPECT_TRUE(main()->isVisible());
  EXPECT_TRUE(main()->isEnabled());
  EXPECT_EQ(program->values.Score, 1);
  EXPECT_NE(board(), QStringList({"2", "2", "9", "1"}));
  EXPECT_TRUE(main()->ui.编辑框1->toPlainText().startsWith("((2+9)+1)*2=24\n")) << "the solved board's solutions";
}

TEST_F(ProgramFixture, VerdictsForTypedExpressions) {
  startPlaying();
  setBoard(1, 2, 3, 4);
  const struct {
    const char *typed;
    bool right;
  } cases[] = {
      {"2+", false},    {"10/0", false},  {"（1+2+9）*2", false}, {"25", false},
      {"  24  ", true}, {"8/(3-8/3)", true}, {"　24　", true},
  };
  int score = 0;
  for (const auto &c : cases) {
    const QStringList before = board();
    typeExpression(QString::fromUtf8(c.typed));
    EXPECT_EQ(check(), c.right ? kRight : kWrong) << c.typed;
    EXPECT_TRUE(main()->isVisible());
    if (c.right) ++score;
    EXPECT_EQ(program->values.Score, score) << c.typed;
    if (!c.right) {
      EXPECT_EQ(board(), before) << "a wrong answer keeps the board: " << c.typed;
    }
  }
}

TEST_F(ProgramFixture, OnlyBlanksOpenNoWindow) {
  startPlaying();
  setBoard(1, 2, 3, 4);
  typeExpression("  　 ");
  check({}, false);
  EXPECT_EQ(result(), nullptr);
  EXPECT_EQ(program->values.ResultCode, 0);
  EXPECT_TRUE(main()->ui.编辑框1->toPlainText().startsWith("((1+2)+3)*4=24")) << "the solver still ran";
  EXPECT_FALSE(main()->ui.标签2->isVisible());
}

TEST_F(ProgramFixture, RightAnswerAtTimeUpCountsIntoTheNextGame) {
  startPlaying();
  tickClock(299);
  typeExpression("24");
  QString message;
  check([&] {
    whenReady([] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); },
              [&] { message = closeMessageBox(); });
    tickClock();  // the last second runs out while the verdict is up
  });
  EXPECT_EQ(message, "恭喜同学您答对了0题|信息：");
  EXPECT_EQ(program->values.Score, 1);
  EXPECT_EQ(main()->ui.计时按钮->text(), "开始");
}

TEST_F(ProgramFixture, EscOnTheResultWindowReturnsToTheGame) {
  startPlaying();
  for (const char *typed : {"24", "2+"}) {
    typeExpression(typed);
    const QStringList before = board();
    check([&] { QTest::keyClick(result(), Qt::Key_Escape); });
    EXPECT_EQ(result(), nullptr);
    EXPECT_TRUE(main()->isVisible()) << typed;
    EXPECT_TRUE(main()->isEnabled()) << typed;
    EXPECT_EQ(board() != before, QString(typed) == "24") << "Esc acts as 继续";
  }
  EXPECT_EQ(program->values.Score, 1);
  EXPECT_EQ(programEnds, 0);
}

TEST_F(ProgramFixture, AWholeTimedGameIntoTheNext) {
  startPlaying();
  for (int i = 0; i < 3; ++i) {
    typeExpression("12*2");
    ASSERT_EQ(check(), kRight);
    tickClock(10);
  }
  QString message;
  whenReady([] { return qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); },
            [&] { message = closeMessageBox(); });
  tickClock(270);
  EXPECT_EQ(message, "恭喜同学您答对了3题|信息：");
  QTest::mouseClick(main()->ui.按钮3, Qt::LeftButton);
  QTest::mouseClick(main()->ui.计时按钮, Qt::LeftButton);
  tickClock();
  EXPECT_EQ(main()->ui.透明标签2->text(), "0:04:59");
  EXPECT_EQ(program->values.Score, 0);
}

TEST_F(ProgramFixture, ControlsHaveMeaningfulAccessibleNames) {
  startPlaying();
  QTest::mouseClick(main()->ui.按钮1, Qt::LeftButton);
  tickClock();
  auto name = [](QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
  MainWindow *w = main();
  EXPECT_EQ(name(w->ui.a标签), "第1个数：" + w->ui.a标签->text());
  EXPECT_EQ(name(w->ui.d标签), "第4个数：" + w->ui.d标签->text());
  EXPECT_EQ(name(w->ui.透明标签2), "剩余时间：0:04:59");
  EXPECT_EQ(name(w->ui.编辑框6), "算式");
  EXPECT_EQ(name(w->ui.按钮2), "检验计算");
  EXPECT_EQ(name(w->ui.计时按钮), "暂停");
}
