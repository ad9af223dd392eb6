#include "bible/install_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "bible_install/repository_fixture.h"

namespace tavra::bible {
namespace {

using test::RepositoryTest;

bool waitUntil(const std::function<bool()>& done, int ms = 10000) {
  for (int waited = 0; !done(); waited += 10) {
    if (waited >= ms) return false;
    QTest::qWait(10);
  }
  return true;
}

TEST_F(RepositoryTest, TheDialogListsAndInstallsFromAFolderByKeyboard) {
  BibleInstallDialog dialog(BibleSource{repository()});
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  ASSERT_TRUE(waitUntil([&] { return dialog.list()->count() == 3 && !dialog.busy(); }));
  EXPECT_EQ(dialog.list()->item(0)->text(), QStringLiteral("Zkušební Bible česká (TavraCz, jazyk cs)"));
  EXPECT_EQ(dialog.list()->item(2)->text(), QStringLiteral("An English Test Bible (AaaEn, jazyk en)"));
  EXPECT_FALSE(dialog.installButton()->isEnabled());

  dialog.list()->setFocus();
  QTest::keyClick(dialog.list(), Qt::Key_Space);  // checks the current, first item
  EXPECT_EQ(dialog.list()->item(0)->checkState(), Qt::Checked);
  EXPECT_TRUE(dialog.installButton()->isEnabled());
  QTest::keyClick(dialog.list(), Qt::Key_Return);  // the default button
  ASSERT_TRUE(waitUntil([&] { return dialog.installedCount() == 1 && !dialog.busy(); }));
  EXPECT_EQ(dialog.status()->text(), QStringLiteral("Nainstalováno: 1."));
  EXPECT_EQ(dialog.list()->item(0)->text(), QStringLiteral("Zkušební Bible česká (TavraCz, jazyk cs) – nainstalováno"));
  EXPECT_FALSE(dialog.list()->item(0)->flags() & Qt::ItemIsEnabled);
  EXPECT_EQ(dialog.list()->item(1)->checkState(), Qt::Unchecked);
  EXPECT_TRUE(std::filesystem::exists(userSwordFolder() + "mods.d/tavracz.conf"));
  EXPECT_FALSE(dialog.installButton()->isEnabled());

  QTest::keyClick(dialog.list(), Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(RepositoryTest, AFolderWithoutALibraryIsReportedInTheDialog) {
  BibleInstallDialog dialog(BibleSource{"/nonexistent/sword"});
  dialog.show();
  ASSERT_TRUE(waitUntil([&] { return !dialog.status()->text().isEmpty() && !dialog.busy() &&
                                     dialog.status()->text().startsWith(QStringLiteral("Ve složce")); }));
  EXPECT_EQ(dialog.status()->text(),
            QStringLiteral("Ve složce „/nonexistent/sword“ není knihovna modulů SWORD (chybí složka mods.d)."));
  EXPECT_EQ(dialog.list()->count(), 0);
  EXPECT_FALSE(dialog.installButton()->isEnabled());
}

// The public repository: the consent is asked before anything is fetched, "no" is the
// default, and a refusal fetches nothing and remembers nothing.
TEST_F(RepositoryTest, TheDialogAsksConsentBeforeTheNetworkAndTakesNoForAnAnswer) {
  BibleInstallDialog dialog(BibleSource{});
  QString question;
  QString defaultAnswer;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    question = box->informativeText();
    defaultAnswer = box->defaultButton() ? box->defaultButton()->text() : QString();
    QTest::keyClick(box, Qt::Key_Return);
  });
  answer.start(20);
  dialog.show();
  ASSERT_TRUE(waitUntil([&] { return !question.isEmpty() && !dialog.status()->text().isEmpty(); }));
  EXPECT_TRUE(question.contains(QStringLiteral("Souhlasíte s připojením k internetu?")));
  EXPECT_EQ(defaultAnswer, QStringLiteral("&Nesouhlasím"));
  EXPECT_TRUE(dialog.status()->text().startsWith(QStringLiteral("Bez vašeho souhlasu")));
  EXPECT_FALSE(dialog.busy());
  EXPECT_FALSE(BibleInstaller::hasConsent());
  EXPECT_EQ(dialog.list()->count(), 0);
  EXPECT_FALSE(dialog.installButton()->isEnabled());
}

}  // namespace
}  // namespace tavra::bible
