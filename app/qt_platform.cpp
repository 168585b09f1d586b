#include "app/qt_platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaObject>
#include <QUrl>

#include "ui/text_codec.h"

namespace wv {

void MessageBoxSink::Show(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, DisplayText(title), DisplayText(text), QMessageBox::Ok);
  box.exec();
}

std::optional<std::string> InputDialogInput::Ask(const std::string& title,
                                                 const std::string& prompt, int maxLength) {
  QInputDialog dialog;
  dialog.setWindowTitle(DisplayText(title));
  dialog.setLabelText(DisplayText(prompt));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setTextEchoMode(QLineEdit::Normal);
  dialog.setTextValue(QString());
  if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setMaxLength(maxLength);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return TextBytes(dialog.textValue());
}

void SystemClipboard::SetText(const std::string& text) {
  QGuiApplication::clipboard()->setText(DisplayText(text));
}

void DesktopUrlOpener::Open(const std::string& url) {
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

// Queued, so that the loop ends at its first turn rather than at once.
void EventLoopQuit::RequestQuit() {
  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                            Qt::QueuedConnection);
}

}  // namespace wv
