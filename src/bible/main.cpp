// A small stand-in for the Bible viewer that Tavra starts for a day's reading: it shows the
// reference it was given. With --print, or where there is no display, it writes the
// reference to standard output instead, so that scripts and tests can see what arrived.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFont>
#include <QLabel>
#include <QStringDecoder>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/codepage.h"

namespace {

// Tavra hands over the reference as Windows-1250 bytes; a reference typed by hand in a
// terminal arrives in UTF-8.
QString decodeArgument(const std::string& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
  if (!utf8.hasError()) return text;
  const std::u16string u16 = tavra::cp1250::toUtf16(bytes);
  return QString::fromStdU16String(u16);
}

bool hasDisplay() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.startsWith("offscreen") || platform.startsWith("minimal")) return false;
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !platform.isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
  bool print = false;
  QString reference;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--print") {
      print = true;
      continue;
    }
    if (!reference.isEmpty()) reference += QLatin1Char(' ');
    reference += decodeArgument(arg);
  }

  if (print || !hasDisplay()) {
    std::printf("%s\n", reference.toUtf8().constData());
    return EXIT_SUCCESS;
  }

  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bible"));
  auto* layout = new QVBoxLayout(&window);
  auto* caption = new QLabel(QStringLiteral("Zvolený odkaz:"), &window);
  auto* shown = new QLabel(reference.isEmpty() ? QStringLiteral("(žádný odkaz)") : reference, &window);
  QFont big = shown->font();
  big.setPointSize(big.pointSize() * 2);
  big.setBold(true);
  shown->setFont(big);
  shown->setAlignment(Qt::AlignCenter);
  shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QWidget::close);
  layout->addWidget(caption);
  layout->addWidget(shown, 1);
  layout->addWidget(buttons);
  window.resize(360, 160);
  window.show();
  return app.exec();
}
