// The verdict on the player's expression, shown in place of the main window.
#pragma once

#include "platform/window_system.h"
#include "ui_result_window.h"

namespace numvella {

class Program;

class ResultWindow : public FormWindow {
  Q_OBJECT
 public:
  ResultWindow(Program &program, QWidget *parent);
  Ui::ResultWindow ui;

  static const QString kRightText;
  static const QString kWrongText;

  void created() override { ResultShown(); }
  void ResultShown();
  void ResultContinue();

 protected:
  // Leaving by Esc (or any other close) must not strand the player with no
  // visible window: it does what 继续 does.
  void escapePressed() override { ResultContinue(); }
  void closeRequested() override { ResultContinue(); }

 private:
  Program &program_;
};

}  // namespace numvella
