// The installer tests run offscreen with a HOME and a SWORD library of their own (SWORD_PATH,
// so that no module of the machine takes part): libsword reads the home folder once per
// process, so every test of this program shares one, emptied between tests.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  if (!home.isValid()) return 2;
  setenv("HOME", home.path().toLocal8Bit().constData(), 1);
  QTemporaryDir library;
  if (!library.isValid() || !QDir(library.path()).mkdir(QStringLiteral("mods.d"))) return 2;
  setenv("SWORD_PATH", library.path().toLocal8Bit().constData(), 1);
  unsetenv("TAVRA_BIBLE_REPOSITORY");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
