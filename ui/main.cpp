// Program entry: load the main window and run the event loop until the last
// window has gone.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/fonts.h"
#include "ui/accessibility.h"
#include "ui/app.h"

namespace {

// Without a display Qt would abort with a long trace; one clear line helps more.
bool haveDisplay() {
#if defined(Q_OS_LINUX)
  auto set = [](const char *name) {
    const char *v = std::getenv(name);
    return v && *v;
  };
  return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
  return true;
#endif
}

}  // namespace

int main(int argc, char **argv) {
  if (!haveDisplay()) {
    std::fprintf(stderr,
                 "numvella: no display found (DISPLAY is not set); run it on a desktop, or headless with: "
                 "xvfb-run -a %s\n",
                 argv[0]);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("numvella"));
  QApplication::setOrganizationName(QStringLiteral("Numvella"));
  QApplication::setQuitOnLastWindowClosed(false);  // the window layer decides when the program ends
  numvella::InstallFontSubstitutions();
  numvella::InstallAccessibility();

  numvella::Program program(numvella::SystemEnvironment());
  program.start();
  if (program.windows.ended()) return 0;
  return QApplication::exec();
}
