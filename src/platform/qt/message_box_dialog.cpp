#include "platform/qt/message_box_dialog.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/message_box.h"

namespace tavra {

namespace {

MessageResult showDialog(const MessageBoxRequest& request) {
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  switch (request.buttons) {
    case MessageButtons::Ok: buttons = QMessageBox::Ok; break;
    case MessageButtons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MessageButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case MessageButtons::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
  }
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (request.icon) {
    case MessageIcon::None: icon = QMessageBox::NoIcon; break;
    case MessageIcon::Information: icon = QMessageBox::Information; break;
    case MessageIcon::Warning: icon = QMessageBox::Warning; break;
    case MessageIcon::Error: icon = QMessageBox::Critical; break;
    case MessageIcon::Question: icon = QMessageBox::Question; break;
  }
  QString caption =
      request.caption.empty() ? QApplication::applicationName() : QString::fromStdString(request.caption);
  QMessageBox box(icon, caption, QString::fromStdString(request.text), buttons, QApplication::activeWindow());
  switch (box.exec()) {
    case QMessageBox::Cancel: return MessageResult::Cancel;
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    default: return MessageResult::Ok;
  }
}

}  // namespace

void installMessageBoxDialog() { setMessageBoxHandler(showDialog); }

}  // namespace tavra
