// The desktop entry that starts Tavra at login: written where the autostart rules look,
// valid for the desktop's own checker, its Exec line giving back the program and "a".

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/autostart.h"
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

TEST_F(AutostartTest, APathThatIsNotUtf8IsRefused) {
  for (const char* program : {"/opt/\xFF/tavra", "/opt/tavra\xC3", "/opt/\xED\xA0\x80/tavra"}) {
    EXPECT_NE(writeAutostartEntry(program), "") << program;
    EXPECT_FALSE(QFileInfo::exists(entry()));
  }
}

// A link where the entry goes is the link's own business: writing replaces it, leaving
// its target alone; removing takes the link away, also one whose target has gone.
TEST_F(AutostartTest, ALinkAtTheEntryIsReplacedOrRemovedNeverFollowed) {
  const QString target = config_.path() + QStringLiteral("/elsewhere.desktop");
  ASSERT_TRUE(QDir().mkpath(config_.path() + QStringLiteral("/autostart")));
  for (bool dangling : {true, false}) {
    SCOPED_TRACE(dangling ? "dangling" : "to a file");
    QFile::remove(target);
    if (!dangling) {
      ASSERT_TRUE(QFile(target).open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QFile::link(target, entry()));
    ASSERT_EQ(writeAutostartEntry("/usr/bin/tavra"), "");
    EXPECT_FALSE(QFileInfo(entry()).isSymLink());
    EXPECT_EQ(execArguments(entry()), (std::vector<std::string>{"/usr/bin/tavra", "a"}));
    EXPECT_EQ(QFileInfo::exists(target), !dangling);
    EXPECT_EQ(QFileInfo(target).size(), 0);

    ASSERT_TRUE(QFile::remove(entry()));
    ASSERT_TRUE(QFile::link(target, entry()));
    EXPECT_EQ(autostartEntryExists(), !dangling);
    EXPECT_EQ(removeAutostartEntry(), "");
    EXPECT_FALSE(QFileInfo(entry()).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(entry()));
    EXPECT_EQ(QFileInfo::exists(target), !dangling);
  }
}

}  // namespace
}  // namespace tavra::test
