// One QApplication for every test of a binary, headless unless told
// otherwise.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/fonts.h"
#include "ui/accessibility.h"

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  numvella::InstallFontSubstitutions();
  numvella::InstallAccessibility();
  return RUN_ALL_TESTS();
}
