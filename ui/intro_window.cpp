#include "ui/intro_window.h"

#include <QPushButton>

#include "ui/app.h"

namespace numvella {

const QString IntroWindow::kRulesText = QStringLiteral(
    "‘Numvella’是一种数学游戏，游戏方式简单易学，能健脑益智，是一项极为有益的活动。\r\n"
    "Numvella游戏，规则如下：\r\n"
    "任取4个整数，将这4个数（每个数只能用1次）进行‘+、-、*、/、（、）’四则运算，使其结果为24。\r\n"
    "如：现有4个整数：2、2、9、1，应用上述规则，写出最终能算出24点的式子。（在比赛软件界面内容框输入以下式子即可）\r\n"
    "(1+2+9)*2     即可验证是否正确。");

IntroWindow::IntroWindow(WindowSystem &windows, QWidget *parent)
    : FormWindow(windows, parent, Qt::Dialog | Qt::FramelessWindowHint) {
  ui.setupUi(this);
  backgroundPicture = QStringLiteral(":/assets/pictures/intro_bg.png");
  WindowSystem::centre(this, size());
  connect(ui.按钮1, &QPushButton::clicked, this, [this] { IntroNext(); });
  ui.按钮1->setFocus();
}

void IntroWindow::IntroNext() {
  if (ui.按钮1->text() != QStringLiteral("继续")) {
    ui.透明标签1->setText(kRulesText);
    ui.按钮1->setText(QStringLiteral("继续"));
    return;
  }
  // The main window is already loaded: this only brings it forward.
  windowSystem().loadModal(kMainWindowName, [] { return nullptr; });
  windowSystem().destroyLater(this);
}

}  // namespace numvella
