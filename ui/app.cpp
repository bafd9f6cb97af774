#include "ui/app.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

#include "platform/qt_timer.h"
#include "platform/script_engine.h"
#include "platform/ticks.h"
#include "ui/main_window.h"

namespace numvella {

Environment SystemEnvironment() {
  Environment env;
  env.services.tickCount = SystemTickCount;
  env.services.pause = SystemPause;
  env.services.evaluate = Evaluate;
  env.makeTimer = [] { return std::make_unique<QtTimerBackend>(); };
  env.programDir = QCoreApplication::applicationDirPath();
  env.fallbackDir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  env.terminate = [](int status) {
    std::fflush(nullptr);
    std::_Exit(status);  // from inside nested event loops: no unwinding through Qt
  };
  return env;
}

Program::Program(Environment environment)
    : env(std::move(environment)),
      skin(SkinLibrary::Config{env.programDir, env.fallbackDir, [this](const QString &message) {
                                 windows.messageBox(message);
                                 env.terminate(1);
                               }}) {}

Program::~Program() = default;

void Program::start() {
  windows.load(kMainWindowName, [this] { return new MainWindow(*this); });
}

MainWindow *Program::mainWindow() const {
  return static_cast<MainWindow *>(windows.find(kMainWindowName));
}

Game Program::game() { return Game{values, *mainWindow(), env.services}; }
Clock Program::clock() { return Clock{values, *mainWindow()}; }

}  // namespace numvella
