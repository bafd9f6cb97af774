#include "ui/startup.h"

#include <QFile>

#include "ui/app.h"
#include "ui/intro_window.h"
#include "ui/main_window.h"
#include "ui/result_window.h"

namespace numvella {

bool ApplySkin(Program &program, int number) {
  program.skin.EnsureSkinLibrary();
  QByteArray copy;
  if (number >= 1 && number <= 33) {
    QFile file(QStringLiteral(":/assets/skins/skin%1.she").arg(number, 2, 10, QLatin1Char('0')));
    if (file.open(QIODevice::ReadOnly)) copy = file.readAll();
  }
  return program.skin.AttachRes(copy, "", 0, 0, 0);
}

void StartUp(Program &program) {
  program.skin.EnsureSkinLibrary();
  if (!program.skin.SetAero(1)) return;
  if (!ApplySkin(program, 2)) return;
  MainWindow *main = program.mainWindow();
  main->hide();
  program.windows.loadModal(kIntroWindowName, [&] { return new IntroWindow(program.windows, main); });
  program.values.Score = 0;
  Clock clock = program.clock();
  ResetClock(clock);
}

void OpenResultWindow(Program &program) {
  MainWindow *main = program.mainWindow();
  program.windows.loadModal(kResultWindowName, [&] { return new ResultWindow(program, main); });
}

}  // namespace numvella
