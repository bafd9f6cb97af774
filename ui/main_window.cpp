#include "ui/main_window.h"

#include <QPushButton>

#include "ui/app.h"
#include "ui/startup.h"

namespace numvella {

MainWindow::MainWindow(Program &program)
    : FormWindow(program.windows, nullptr,
                 Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                     Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      倒计时(program.env.makeTimer()),
      program_(program) {
  ui.setupUi(this);
  backgroundPicture = QStringLiteral(":/assets/pictures/main_bg.png");
  WindowSystem::centre(this, QSize(458, 284));

  // Bindings: each control's event runs its operation.
  connect(ui.按钮1, &QPushButton::clicked, this, [this] {
    Game game = program_.game();
    DealProblem(game);
  });
  connect(ui.按钮2, &QPushButton::clicked, this, [this] {
    Game game = program_.game();
    CheckAnswer(game);
  });
  connect(ui.按钮3, &QPushButton::clicked, this, [this] {
    Clock clock = program_.clock();
    ResetClock(clock);
  });
  connect(ui.计时按钮, &QPushButton::clicked, this, [this] {
    Clock clock = program_.clock();
    ToggleClock(clock);
  });
  倒计时.onTick = [this] {
    Clock clock = program_.clock();
    ClockTick(clock);
  };
}

void MainWindow::created() {
  ui.编辑框1->setFocus();
  StartUp(program_);
}

QLabel *MainWindow::numberLabel(int index) const {
  QLabel *const labels[] = {ui.a标签, ui.b标签, ui.c标签, ui.d标签};
  return labels[index];
}

QString MainWindow::numberText(int index) const { return numberLabel(index)->text(); }

void MainWindow::setNumberText(int index, const QString &text) {
  QLabel *label = numberLabel(index);
  label->setText(text);
  // The deal pauses right after this without running the event loop; the
  // player must already see the new numbers.
  label->repaint();
}

bool MainWindow::easyChosen() const { return ui.单选框1->isChecked(); }
bool MainWindow::showAllChosen() const { return ui.选择框1->isChecked(); }
void MainWindow::clearAnswerBox() { ui.编辑框1->clear(); }

void MainWindow::appendToAnswerBox(const QString &text) {
  QPlainTextEdit *box = ui.编辑框1;
  box->moveCursor(QTextCursor::End);
  box->insertPlainText(text);
  box->moveCursor(QTextCursor::End);
  box->ensureCursorVisible();
}

void MainWindow::showBusyNotice() { ui.标签2->setVisible(true); }
void MainWindow::hideBusyNotice() { ui.标签2->setVisible(false); }
QString MainWindow::expressionText() const { return ui.编辑框6->text(); }
void MainWindow::openResultWindow() { OpenResultWindow(program_); }

QString MainWindow::budgetText() const { return ui.编辑框2->text(); }
QString MainWindow::startButtonCaption() const { return ui.计时按钮->text(); }
void MainWindow::setStartButtonCaption(const QString &caption) { ui.计时按钮->setText(caption); }
void MainWindow::setTimerPeriod(int milliseconds) { 倒计时.setPeriod(milliseconds); }

void MainWindow::setPuzzleButtonsEnabled(bool enabled) {
  ui.按钮1->setEnabled(enabled);
  ui.按钮2->setEnabled(enabled);
}

void MainWindow::setDisplay(const QString &text) { ui.透明标签2->setText(text); }
void MainWindow::showMessage(const QString &text) { program_.windows.messageBox(text); }

}  // namespace numvella
