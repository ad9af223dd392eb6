// The main window while the Bible viewer runs: it waits for the viewer with its event loop
// running, so it paints and its clock ticks, but it takes no command until the viewer ends.
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/core/day_document.h"
#include "app/core/day_state.h"
#include "app/main_form.h"
#include "common/message_capture.h"
#include "platform/codepage.h"
#include "platform/launch_probe/probe_record.h"
#include "platform/process.h"
#include "platform/qt/rich_text_box.h"
#include "windows/running_wait.h"

namespace tavra {
namespace {

void writeBytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes.data(), qint64(bytes.size()));
}

// How long the stand-in viewer stays open: long enough for two ticks of the clock.
constexpr int kViewerMs = 2600;

class ReadingWaitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    qputenv("TAVRA_TODAY", "1999-03-05");
    qputenv("TAVRA_LONGTIME", "HH:mm:ss");
    dayState() = DayState{};
    dayDocument().DayTexts.clear();
    dayDocument().LoadedYear = 0;
    std::string days;
    for (int k = 0; k < 372; ++k) days += "Den " + std::to_string(k) + "\r\n";
    writeBytes(path("TAVRA99.RTF"), days);
    writeBytes(path("Cteni.js"), cp1250::fromUtf8("[5.3.1999]\r\nCteni1=Jan 3,16\r\n\r\n[6.3.1999]\r\nCteni1=Gn 1,1\r\n"));
    writeBytes(path("Info.prg"), "<p>info</p>");
    writeBytes(path("OProgramu.prg"), "<p>program</p>");
    ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRA_LAUNCH_PROBE), path("Bible.exe")));
    form_ = std::make_unique<TMainForm>(folder_.path().toStdString() + "/");
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
  }

  void TearDown() override {
    form_.reset();
    QDir::setCurrent(previousDir_);
    qunsetenv("TAVRA_TODAY");
    qunsetenv("TAVRA_LONGTIME");
  }

  QString path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
  std::string shownDay() const { return form_->TextWindow->toPlainText().toStdString(); }

  // Runs `step` `ms` after the reading command starts, inside the wait for the viewer.
  void during(int ms, std::function<void()> step) { QTimer::singleShot(ms, form_.get(), std::move(step)); }

  QTemporaryDir folder_;
  QString previousDir_;
  testing::MessageCapture messages_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(ReadingWaitTest, TheWindowLivesButTakesNoCommandWhileTheViewerRuns) {
  test::ProbeRecord record(path("probe.out").toStdString(), kViewerMs);
  TMainForm& form = *form_;
  const std::string day = shownDay();
  const QDate picked = form.Skoc->date();
  std::vector<QString> clock;
  int paints = 0;
  bool viewerRunning = false;
  struct PaintCounter : QObject {
    int& count;
    explicit PaintCounter(int& c) : count(c) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++count;
      return false;
    }
  } counter(paints);
  form.TextWindow->viewport()->installEventFilter(&counter);

  during(300, [&] {
    viewerRunning = !record.ready();
    clock.push_back(form.Panel1->text());
    QTest::mouseClick(form.SpeedButton3, Qt::LeftButton);  // "Zítra"
    QTest::keyClick(form.TextWindow, Qt::Key_Right);
    QTest::keyClick(form.Skoc, Qt::Key_Up);
    form.TextWindow->viewport()->update();
  });
  during(1700, [&] { clock.push_back(form.Panel1->text()); });

  QElapsedTimer elapsed;
  elapsed.start();
  QTest::mouseClick(form.Cist1, Qt::LeftButton);

  EXPECT_GE(elapsed.elapsed(), kViewerMs - 100);  // the command still waits for the viewer
  EXPECT_TRUE(record.ready());
  EXPECT_EQ(record.arguments(), (std::vector<std::string>{"Jan", "3,16"}));
  EXPECT_EQ(form.Exec.ErrNo(), 0);
  EXPECT_TRUE(viewerRunning);
  ASSERT_EQ(clock.size(), 2u);
  EXPECT_NE(clock[0], clock[1]);
  EXPECT_GT(paints, 0);
  EXPECT_EQ(shownDay(), day);
  EXPECT_EQ(form.Skoc->date(), picked);
  EXPECT_TRUE(messages_.empty());

  // Commands are taken again once the viewer has ended.
  QTest::mouseClick(form.SpeedButton3, Qt::LeftButton);
  EXPECT_NE(shownDay(), day);
  EXPECT_EQ(form.Skoc->date(), picked.addDays(1));
}

// The viewer never ending must not hold the program: closing the main window gives the
// wait up, and the viewer runs on by itself.
TEST_F(ReadingWaitTest, ClosingTheWindowDuringTheWaitReturnsAndLeavesTheViewerRunning) {
  test::ProbeRecord record(path("probe.out").toStdString(), kViewerMs);
  during(300, [&] { form_->close(); });
  QElapsedTimer elapsed;
  elapsed.start();
  form_->Cist1Click();
  EXPECT_LT(elapsed.elapsed(), kViewerMs - 500);
  EXPECT_FALSE(form_->isVisible());
  EXPECT_FALSE(record.ready());
  EXPECT_EQ(form_->Exec.ErrNo(), -1);
  form_.reset();
  EXPECT_TRUE(record.awaitReady());
}

// A program that ends with `status` after `ms` milliseconds, watched without an end
// notifier.
std::unique_ptr<ChildProcess> sleeper(int ms, int status) {
  pid_t pid = ::fork();
  if (pid == 0) {
    ::usleep(useconds_t(ms) * 1000);
    ::_exit(status);
  }
  EXPECT_GE(pid, 0);
  return std::make_unique<ChildProcess>(pid, -1);
}

// Where the system gives no end notifier, the end is polled; the clock ticks meanwhile too.
TEST(RunningWait, AProgramWithoutAnEndNotifierIsPolled) {
  std::unique_ptr<ChildProcess> child = sleeper(1300, 7);
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(100);
  EXPECT_TRUE(waitRunningEvents(*child, nullptr));
  EXPECT_GE(ticks, 5);
  EXPECT_EQ(child->exitStatus(), 7);
}

// The desktop hides a minimised window: the wait goes on to the program's end. A window
// destroyed meanwhile (here one never shown, which no hide announces) ends it at once.
TEST(RunningWait, AMinimisedWindowKeepsTheWaitAndADestroyedOneEndsIt) {
  for (bool destroy : {false, true}) {
    SCOPED_TRACE(destroy ? "destroyed" : "minimised");
    std::unique_ptr<ChildProcess> child = sleeper(900, 0);
    auto window = std::make_unique<QWidget>();
    if (!destroy) {
      window->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QTimer::singleShot(200, [&] {
      if (destroy)
        window.reset();
      else
        window->showMinimized();
    });
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(waitRunningEvents(*child, window.get()), !destroy);
    EXPECT_EQ(elapsed.elapsed() < 700, destroy);
  }
}

}  // namespace
}  // namespace tavra
