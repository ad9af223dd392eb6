// The desktop entry that starts Tavra at login: written where the autostart rules look,
// valid for the desktop's own checker, its Exec line giving back the program and "a".

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/autostart.h"
#include "autostart_entry.h"

namespace tavra::test {
namespace {

class AutostartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(config_.isValid());
    previous_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
  }
  void TearDown() override {
    if (previous_.isNull())
      qunsetenv("XDG_CONFIG_HOME");
    else
      qputenv("XDG_CONFIG_HOME", previous_);
  }

  QString entry() const { return config_.path() + QStringLiteral("/autostart/tavra.desktop"); }

  QTemporaryDir config_;
  QByteArray previous_;
};

TEST_F(AutostartTest, TheEntryIsValidAndItsExecGivesBackTheProgramAndA) {
  const std::string paths[] = {"/usr/bin/tavra", "/opt/My Apps/tavra", "/home/u/ta\"v`$ra%1\\x/Tavra č/tavra",
                               "/home/u/a'b;c&d|e(f)g*h?i#j~k<l>/tavra"};
  for (const std::string& program : paths) {
    SCOPED_TRACE(program);
    EXPECT_EQ(autostartEntryPath(), entry().toStdString());
    ASSERT_EQ(writeAutostartEntry(program), "");
    ASSERT_TRUE(autostartEntryExists());
    const DesktopCheck check = validateDesktopEntry(entry());
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_EQ(check.output, "");
    EXPECT_EQ(execArguments(entry()), (std::vector<std::string>{program, "a"}));
    ASSERT_EQ(removeAutostartEntry(), "");
    EXPECT_FALSE(autostartEntryExists());
    EXPECT_FALSE(QFile::exists(entry()));
  }
}

TEST_F(AutostartTest, WithoutTheVariableTheEntryGoesUnderTheHomeFolder) {
  for (const char* value : {"", "relative/folder"}) {
    qputenv("XDG_CONFIG_HOME", value);
    EXPECT_EQ(autostartEntryPath(), (QDir::homePath() + QStringLiteral("/.config/autostart/tavra.desktop")).toStdString());
  }
}

TEST_F(AutostartTest, WhatCannotBeWrittenIsRefusedAndNothingIsLeft) {
  EXPECT_NE(writeAutostartEntry("/tmp/a\nb/tavra"), "");
  EXPECT_FALSE(QFile::exists(entry()));
  // A folder where the entry would be is neither overwritten nor taken for the entry.
  ASSERT_TRUE(QDir().mkpath(entry()));
  EXPECT_FALSE(autostartEntryExists());
  EXPECT_NE(writeAutostartEntry("/usr/bin/tavra"), "");
  EXPECT_NE(removeAutostartEntry(), "");
  EXPECT_TRUE(QFileInfo(entry()).isDir());
  // Removing what is not there succeeds.
  ASSERT_TRUE(QDir(entry()).removeRecursively());
  EXPECT_EQ(removeAutostartEntry(), "");
}

}  // namespace
}  // namespace tavra::test
