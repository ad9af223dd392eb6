#pragma once
// A local SWORD module repository made by the test with SWORD's importer: a Czech Bible,
// two English ones whose names sort against their descriptions, a commentary and a Bible
// locked by a key nobody gave (neither of the last two is offered).

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "bible/install/bible_installer.h"

namespace tavra::test {

inline void writeText(const QString& path, const std::string& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(text.data(), qint64(text.size()));
}

class RepositoryTest : public ::testing::Test {
 public:
  // The repository's folder, made once for the suite.
  static std::string repository() { return repository_->path().toStdString(); }

 protected:
  static void SetUpTestSuite() {
    repository_ = new QTemporaryDir;
    ASSERT_TRUE(repository_->isValid());
    const QDir root(repository_->path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("mods.d")));
    struct Module {
      const char* name;
      const char* folder;
      const char* text;
      const char* conf;
    };
    const Module modules[] = {
        {"AaaEn", "aaaen", "$$$John 3:16\nFor God so loved the world.\n",
         "ModDrv=RawText\nLang=en\nDescription=An English Test Bible\n"},
        {"TavraCz", "tavracz",
         "$$$Genesis 1:1\nNa počátku stvořil Bůh nebe a zemi.\n$$$John 3:16\nNeboť tak Bůh miloval svět, že dal "
         "svého jediného Syna.\n",
         "ModDrv=RawText\nLang=cs\nDescription=Zkušební Bible česká\nVersion=1.2\n"},
        {"AbbEn", "abben", "$$$John 3:16\nFor God so loved.\n",
         "ModDrv=RawText\nLang=en\nDescription=A Second English Bible\n"},
        {"TavraCom", "tavracom", "$$$John 3:16\nA note.\n", "ModDrv=RawCom\nLang=cs\nDescription=Komentář\n"},
        {"TavraLocked", "tavralocked", "$$$John 3:16\nSecret.\n",
         "ModDrv=RawText\nLang=cs\nDescription=Zamčená\nCipherKey=\n"},
    };
    for (const Module& module : modules) {
      const QString data = QStringLiteral("modules/texts/rawtext/") + QLatin1String(module.folder);
      ASSERT_TRUE(root.mkpath(data));
      const QString imp = root.filePath(QLatin1String(module.folder) + QStringLiteral(".imp"));
      writeText(imp, module.text);
      QProcess importer;
      importer.start(QStringLiteral("imp2vs"), {imp, QStringLiteral("-o"), root.filePath(data) + QLatin1Char('/')});
      ASSERT_TRUE(importer.waitForFinished(30000)) << "imp2vs (libsword-utils) did not run";
      ASSERT_EQ(importer.exitCode(), 0) << importer.readAllStandardError().toStdString();
      QFile::remove(imp);
      writeText(root.filePath(QStringLiteral("mods.d/%1.conf").arg(QLatin1String(module.folder))),
                std::string("[") + module.name + "]\nDataPath=./" + data.toStdString() +
                    "/\nSourceType=Plain\nEncoding=UTF-8\n" + module.conf);
    }
  }
  static void TearDownTestSuite() {
    delete repository_;
    repository_ = nullptr;
  }

  void SetUp() override { clearHome(); }
  void TearDown() override { clearHome(); }

  static void clearHome() {
    std::error_code ec;
    std::filesystem::remove_all(bible::userSwordFolder(), ec);
  }

  static inline QTemporaryDir* repository_ = nullptr;
};

}  // namespace tavra::test
