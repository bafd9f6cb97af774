#include "ui/result_window.h"

#include <QPushButton>

#include "ui/app.h"
#include "ui/main_window.h"

namespace numvella {

const QString ResultWindow::kRightText = QStringLiteral("成功算出24，继续努力！！！");
const QString ResultWindow::kWrongText = QStringLiteral("很抱歉该式子算不出24！！！");

ResultWindow::ResultWindow(Program &program, QWidget *parent)
    : FormWindow(program.windows, parent, Qt::Dialog | Qt::FramelessWindowHint), program_(program) {
  ui.setupUi(this);
  WindowSystem::centre(this, size());
  connect(ui.继续, &QPushButton::clicked, this, [this] { ResultContinue(); });
  ui.继续->setFocus();
}

void ResultWindow::ResultShown() {
  program_.mainWindow()->hide();
  if (program_.values.ResultCode == 1)
    ui.透明标签1->setText(kRightText);
  else if (program_.values.ResultCode == 2)
    ui.透明标签1->setText(kWrongText);
}

void ResultWindow::ResultContinue() {
  const QString verdict = ui.透明标签1->text();
  if (verdict == kRightText) {
    Game game = program_.game();
    DealProblem(game);
  } else if (verdict != kWrongText) {
    return;
  }
  MainWindow *main = program_.mainWindow();
  main->show();
  main->raise();
  main->activateWindow();
  windowSystem().destroyLater(this);
}

}  // namespace numvella
