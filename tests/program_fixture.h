// The whole program in the test's process: real windows (offscreen), the
// real skin library written to and loaded from a temporary directory, and a
// clock the test drives: fixed tick count, no real pause, hand-fired timer.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "fake_controls.h"
#include "ui/app.h"
#include "ui/intro_window.h"
#include "ui/main_window.h"
#include "ui/result_window.h"

namespace numvella::testing {

// Runs action once cond() holds, polling from the event loop: the way to act
// inside a modal wait that a click is about to start.
inline void whenReady(std::function<bool()> cond, std::function<void()> action, int timeoutMs = 10000) {
  auto *poll = new QTimer;
  auto *clock = new QElapsedTimer;
  clock->start();
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [=] {
    if (cond()) {
      poll->stop();
      poll->deleteLater();
      delete clock;
      action();
    } else if (clock->elapsed() > timeoutMs) {
      poll->stop();
      poll->deleteLater();
      delete clock;
      ADD_FAILURE() << "timed out waiting inside a modal loop";
      // Leave the loop somehow so the test can end.
      if (QWidget *m = QApplication::activeModalWidget()) m->close();
    }
  });
  poll->start();
}

// The text of the message box now up, after closing it.
inline QString closeMessageBox() {
  auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
  if (!box) return QStringLiteral("<no message box>");
  const QString text = box->text() + u'|' + box->windowTitle();
  box->button(QMessageBox::Ok)->click();
  return text;
}

struct ProgramFixture : ::testing::Test {
  QTemporaryDir dir;
  uint32_t tick = 777;
  QStringList answerBoxDuringPauses;
  ManualTimer *clockTimer = nullptr;
  QList<int> terminated;
  int programEnds = 0;
  std::unique_ptr<Program> program;

  Environment testEnvironment() {
    Environment env;
    env.services.tickCount = [this] { return tick; };
    env.services.pause = [this](int) {
      if (program && program->mainWindow()) answerBoxDuringPauses << main()->ui.编辑框1->toPlainText();
    };
    env.services.evaluate = Evaluate;
    env.makeTimer = [this] {
      auto timer = std::make_unique<ManualTimer>();
      clockTimer = timer.get();
      return timer;
    };
    env.programDir = dir.path();
    env.fallbackDir = dir.path() + QStringLiteral("/user");
    env.terminate = [this](int status) { terminated << status; };
    return env;
  }

  void makeProgram() {
    program = std::make_unique<Program>(testEnvironment());
    program->windows.onProgramEnd = [this] { ++programEnds; };
  }

  MainWindow *main() const { return program->mainWindow(); }
  IntroWindow *intro() const { return static_cast<IntroWindow *>(program->windows.find(kIntroWindowName)); }
  ResultWindow *result() const {
    return static_cast<ResultWindow *>(program->windows.find(kResultWindowName));
  }

  // Starts the program; inside the intro's modal wait, runs duringIntro (by
  // default: two clicks on the intro's button).
  void start(std::function<void()> duringIntro = {}) {
    makeProgram();
    if (!duringIntro)
      duringIntro = [this] {
        QTest::mouseClick(intro()->ui.按钮1, Qt::LeftButton);
        QTest::mouseClick(intro()->ui.按钮1, Qt::LeftButton);
      };
    whenReady([this] { return intro() && intro()->isVisible(); }, duringIntro);
    program->start();
    QCoreApplication::processEvents();
  }

  // Starts the program and the countdown.
  void startPlaying() {
    start();
    QTest::mouseClick(main()->ui.计时按钮, Qt::LeftButton);
  }

  void tickClock(int n = 1) {
    for (int i = 0; i < n; ++i) clockTimer->fire();
  }

  QStringList board() const {
    return {main()->ui.a标签->text(), main()->ui.b标签->text(), main()->ui.c标签->text(), main()->ui.d标签->text()};
  }

  void setBoard(int a, int b, int c, int d) {
    main()->ui.a标签->setText(QString::number(a));
    main()->ui.b标签->setText(QString::number(b));
    main()->ui.c标签->setText(QString::number(c));
    main()->ui.d标签->setText(QString::number(d));
  }

  void typeExpression(const QString &text) {
    main()->ui.编辑框6->clear();
    main()->ui.编辑框6->setFocus();
    // Typed as key events carrying their text, as an input method would.
    for (QChar ch : text) QTest::sendKeyEvent(QTest::Click, main()->ui.编辑框6, Qt::Key_unknown, QString(ch), {});
  }

  // Clicks 检验计算; inside the result window runs whileOpen, then 继续 unless
  // whileOpen closed it.  Returns the verdict shown.
  QString check(std::function<void()> whileOpen = {}, bool expectWindow = true) {
    QString verdict;
    if (expectWindow)
      whenReady([this] { return result() && result()->isVisible(); },
              [&] {
                verdict = result()->ui.透明标签1->text();
                if (whileOpen) whileOpen();
                if (result()) QTest::mouseClick(result()->ui.继续, Qt::LeftButton);
              },
              1000);
    QTest::mouseClick(main()->ui.按钮2, Qt::LeftButton);
    QCoreApplication::processEvents();
    return verdict;
  }
};

}  // namespace numvella::testing
