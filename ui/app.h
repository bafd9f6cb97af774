// The program: its program-wide values, its windows and what it needs from
// the system, injected so tests can run it whole with a fixed clock.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "clock/countdown.h"
#include "clock/period_timer.h"
#include "platform/skin_library.h"
#include "platform/window_system.h"
#include "puzzle/game.h"

namespace numvella {

class MainWindow;

struct Environment {
  Services services;  // tick count, pause, script engine
  std::function<std::unique_ptr<TimerBackend>()> makeTimer;
  QString programDir;
  QString fallbackDir;
  // Ends the program at once with the status; does not return in the real
  // program.
  std::function<void(int status)> terminate;
};

// The real system: tick count, blocking pause, the expression evaluator, a Qt
// timer, the executable's own directory.
Environment SystemEnvironment();

class Program {
 public:
  explicit Program(Environment environment);
  ~Program();

  // Loads the main window, whose created event runs the start-up sequence.
  void start();

  Environment env;
  ProgramValues values;
  WindowSystem windows;
  SkinLibrary skin;

  MainWindow *mainWindow() const;
  Game game();
  Clock clock();
};

inline const QString kMainWindowName = QStringLiteral("MainWindow");
inline const QString kIntroWindowName = QStringLiteral("IntroWindow");
inline const QString kResultWindowName = QStringLiteral("ResultWindow");

}  // namespace numvella
