#pragma once
// Reading back a desktop entry as the desktop does: its Exec line split into arguments by
// the desktop entry rules, and the verdict of desktop-file-validate.

#include <QFile>
#include <QProcess>
#include <QString>

#include <string>
#include <vector>

namespace tavra::test {

// The arguments of the entry's Exec line: the string value's escapes undone, then quoted
// arguments read with their backslashes, "%%" read as "%".
inline std::vector<std::string> execArguments(const QString& entryFile) {
  QFile file(entryFile);
  if (!file.open(QIODevice::ReadOnly)) return {};
  std::string exec;
  for (const QByteArray& line : file.readAll().split('\n'))
    if (line.startsWith("Exec=")) exec = line.mid(5).toStdString();
  std::string value;
  for (std::size_t i = 0; i < exec.size(); ++i) {
    if (exec[i] != '\\' || i + 1 == exec.size()) {
      value += exec[i];
      continue;
    }
    const char next = exec[++i];
    value += next == 's' ? ' ' : next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
  }
  std::vector<std::string> arguments;
  std::string current;
  bool quoted = false, any = false;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (quoted && c == '\\' && i + 1 < value.size()) {
      current += value[++i];
    } else if (c == '"') {
      quoted = !quoted;
      any = true;
    } else if (c == '%' && i + 1 < value.size() && value[i + 1] == '%') {
      current += '%';
      ++i;
    } else if (c == ' ' && !quoted) {
      if (any || !current.empty()) arguments.push_back(current);
      current.clear();
      any = false;
    } else {
      current += c;
    }
  }
  if (any || !current.empty()) arguments.push_back(current);
  return arguments;
}

struct DesktopCheck {
  int exitCode = -1;
  std::string output;
};

inline DesktopCheck validateDesktopEntry(const QString& entryFile) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(QStringLiteral("desktop-file-validate"), {entryFile});
  if (!process.waitForFinished(20000)) return {-1, "desktop-file-validate did not run"};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAll().toStdString()};
}

}  // namespace tavra::test
