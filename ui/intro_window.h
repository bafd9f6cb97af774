// The two-page intro shown once at start-up: who made the program, then the
// rules.  The page showing follows from the button's caption.
#pragma once

#include "platform/window_system.h"
#include "ui_intro_window.h"

namespace numvella {

class IntroWindow : public FormWindow {
  Q_OBJECT
 public:
  IntroWindow(WindowSystem &windows, QWidget *parent);
  Ui::IntroWindow ui;

  static const QString kRulesText;

  // 按钮1: to the rules, then into the game.
  void IntroNext();
};

}  // namespace numvella
