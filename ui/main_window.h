// The main window: the board, the expression field, the buttons, the
// countdown display and the controls kept out of sight below the client area.
#pragma once

#include <memory>

#include "clock/countdown.h"
#include "clock/period_timer.h"
#include "platform/window_system.h"
#include "puzzle/game.h"
#include "ui_main_window.h"

namespace numvella {

class Program;

class MainWindow : public FormWindow, public BoardControls, public ClockControls {
  Q_OBJECT
 public:
  explicit MainWindow(Program &program);

  Ui::MainWindow ui;
  PeriodTimer 倒计时;

  void created() override;

  // BoardControls
  QString numberText(int index) const override;
  void setNumberText(int index, const QString &text) override;
  bool easyChosen() const override;
  bool showAllChosen() const override;
  void clearAnswerBox() override;
  void appendToAnswerBox(const QString &text) override;
  void showBusyNotice() override;
  void hideBusyNotice() override;
  QString expressionText() const override;
  void openResultWindow() override;

  // ClockControls
  QString budgetText() const override;
  QString startButtonCaption() const override;
  void setStartButtonCaption(const QString &caption) override;
  void setTimerPeriod(int milliseconds) override;
  void setPuzzleButtonsEnabled(bool enabled) override;
  void setDisplay(const QString &text) override;
  void showMessage(const QString &text) override;

 private:
  QLabel *numberLabel(int index) const;
  Program &program_;
};

}  // namespace numvella
