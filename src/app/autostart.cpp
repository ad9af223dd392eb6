#include "app/autostart.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace tavra {

namespace {

QString entryPath() { return QString::fromStdString(autostartEntryPath()); }

// A quoted argument of an Exec line: the characters that keep their meaning inside double
// quotes take a backslash, a percent sign is doubled (it starts a field code); then the
// line as a whole is a string value, in which a backslash is written twice.
std::string quotedExecArgument(const std::string& argument) {
  std::string quoted = "\"";
  for (char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  std::string value;
  for (char c : quoted) value += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return value;
}

}  // namespace

std::string autostartEntryPath() {
  QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (config.isEmpty() || !QDir::isAbsolutePath(config)) config = QDir::homePath() + QStringLiteral("/.config");
  return (config + QStringLiteral("/autostart/tavra.desktop")).toStdString();
}

bool autostartEntryExists() { return QFileInfo(entryPath()).isFile(); }

std::string autostartEntryText(const std::string& program) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Tavra\n"
         "Comment=Biblické texty na každý den\n"
         "Exec=" +
         quotedExecArgument(program) +
         " a\n"
         "Icon=org.example.tavra.Tavra\n"
         "Terminal=false\n";
}

std::string writeAutostartEntry(const std::string& program) {
  const QString programPath = QString::fromStdString(program);
  // A control character cannot stand in a desktop entry, and a path that is not UTF-8
  // would not survive the reading of one.
  if (programPath.toStdString() != program ||
      std::any_of(program.begin(), program.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
    return "Cestu k programu nelze zapsat do položky spouštění: " + program;
  const QString path = entryPath();
  const QFileInfo info(path);
  if (!QDir().mkpath(info.absolutePath()))
    return "Nelze vytvořit složku " + info.absolutePath().toStdString() + ".";
  if (info.exists() && !info.isFile())
    return "Místo souboru " + path.toStdString() + " je něco jiného; položku spouštění nelze zapsat.";
  QSaveFile file(path);
  const std::string text = autostartEntryText(program);
  if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size()) ||
      !file.commit())
    return "Nelze zapsat soubor " + path.toStdString() + ": " + file.errorString().toStdString();
  return {};
}

std::string removeAutostartEntry() {
  const QString path = entryPath();
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return {};
  if (info.isDir()) return "Místo souboru " + path.toStdString() + " je složka; položku spouštění nelze odebrat.";
  if (!QFile::remove(path)) return "Nelze odstranit soubor " + path.toStdString() + ".";
  return {};
}

}  // namespace tavra
