// The hyperlink label's colours and what it opens, driven by mouse events.
#include "windows/hyper_label.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tavra {
namespace {

constexpr ColorRef kNavy = 0x800000;
constexpr ColorRef kBlue = 0xFF0000;
constexpr ColorRef kRed = 0x0000FF;

class HyperLabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(200, 100);
    label = new THyperLabel(&window);
    label->setText(QStringLiteral("odkaz"));
    label->setGeometry(20, 20, 80, 20);
    previous = setShellOpenHandler([this](const QString& url) { opened << url; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(window.windowHandle(), outside);
  }
  void TearDown() override { setShellOpenHandler(previous); }

  QWidget window;
  THyperLabel* label = nullptr;
  QStringList opened;
  ShellOpenHandler previous;
  const QPoint inside{40, 30};
  const QPoint outside{150, 80};
};

TEST_F(HyperLabelTest, Construction) {
  EXPECT_EQ(label->FontColor(), kNavy);
  EXPECT_EQ(label->HyperColour(), kBlue);
  EXPECT_EQ(label->PressedColour(), kRed);
  EXPECT_TRUE(label->URL().isEmpty());
  EXPECT_TRUE(label->font().underline());
  EXPECT_FALSE(label->font().bold());
  EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

TEST_F(HyperLabelTest, PressMoveOutReleaseOpensNothing) {
  label->SetURL(QStringLiteral("http://tavra.example.org/"));
  QTest::mouseMove(window.windowHandle(), inside);
  EXPECT_TRUE(label->Hovering());
  EXPECT_EQ(label->FontColor(), kBlue);
  EXPECT_EQ(label->NormalColour(), kNavy);
  QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, inside);
  EXPECT_EQ(label->FontColor(), kRed);
  EXPECT_TRUE(label->Pressed());
  QTest::mouseMove(window.windowHandle(), outside);
  EXPECT_FALSE(label->Hovering());
  EXPECT_EQ(label->FontColor(), kNavy);
  QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, outside);
  EXPECT_EQ(label->FontColor(), kNavy);
  EXPECT_FALSE(label->Pressed());
  EXPECT_TRUE(opened.isEmpty());
}

TEST_F(HyperLabelTest, PressMoveOutAndBackInReleaseOpens) {
  label->SetURL(QStringLiteral("http://tavra.example.org/"));
  QTest::mouseMove(window.windowHandle(), inside);
  QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, inside);
  QTest::mouseMove(window.windowHandle(), outside);
  EXPECT_EQ(label->FontColor(), kNavy);
  QTest::mouseMove(window.windowHandle(), inside);
  EXPECT_TRUE(label->Hovering());
  EXPECT_EQ(label->FontColor(), kRed);
  EXPECT_EQ(label->NormalColour(), kNavy);
  QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, inside);
  EXPECT_EQ(label->FontColor(), kBlue);
  EXPECT_EQ(opened, QStringList{QStringLiteral("http://tavra.example.org/")});

  QTest::mouseMove(window.windowHandle(), outside);
  EXPECT_EQ(label->FontColor(), kNavy);
}

TEST_F(HyperLabelTest, AnyButtonReleasedInsideOpensAndOnlyTheLeftClicks) {
  int clicks = 0;
  qsizetype openedAtClick = -1;
  label->OnClick = [&](THyperLabel* sender) {
    EXPECT_EQ(sender, label);
    openedAtClick = opened.size();
    ++clicks;
  };
  label->SetURL(QStringLiteral("mailto: autor@example.org"));
  QTest::mouseMove(window.windowHandle(), inside);
  QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, inside);
  EXPECT_EQ(opened.size(), 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(label->FontColor(), kBlue);
  QTest::mouseClick(window.windowHandle(), Qt::MiddleButton, {}, inside);
  EXPECT_EQ(opened.size(), 2);
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, inside);
  EXPECT_EQ(opened.size(), 3);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(openedAtClick, 2);  // the click comes before the release opens
  EXPECT_EQ(opened.last(), QStringLiteral("mailto: autor@example.org"));
}

TEST_F(HyperLabelTest, ClickSetsTheAddressBeforeTheReleaseOpensIt) {
  label->OnClick = [](THyperLabel* sender) { sender->SetURL(QStringLiteral("http://www.example.net/")); };
  QTest::mouseMove(window.windowHandle(), inside);
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, inside);
  EXPECT_EQ(opened, QStringList{QStringLiteral("http://www.example.net/")});
}

TEST_F(HyperLabelTest, EmptyAddressChangesColourButOpensNothing) {
  QTest::mouseMove(window.windowHandle(), inside);
  EXPECT_EQ(label->FontColor(), kBlue);
  QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, inside);
  EXPECT_EQ(label->FontColor(), kRed);
  QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, inside);
  EXPECT_EQ(label->FontColor(), kBlue);
  QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, inside);
  EXPECT_TRUE(opened.isEmpty());
  QTest::mouseMove(window.windowHandle(), outside);
  EXPECT_EQ(label->FontColor(), kNavy);
}

TEST_F(HyperLabelTest, OwnColoursAreUsed) {
  label->SetHyperColour(0x00FF00);
  label->SetPressedColour(0x00FFFF);
  label->SetFontColor(0x123456);
  QTest::mouseMove(window.windowHandle(), inside);
  EXPECT_EQ(label->FontColor(), 0x00FF00u);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0xFF, 0));
  QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, inside);
  EXPECT_EQ(label->FontColor(), 0x00FFFFu);
  QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, inside);
  QTest::mouseMove(window.windowHandle(), outside);
  EXPECT_EQ(label->FontColor(), 0x123456u);
}

}  // namespace
}  // namespace tavra
