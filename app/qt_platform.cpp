#include "app/qt_platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaObject>
#include <QUrl>

#include "ui/text_codec.h"

namespace wv {

void MessageBoxSink::Show(const std::string& title, const std::string& text) {
  // Plain before the text arrives: taken for markup, it would be laid out at once.
  QMessageBox box(QMessageBox::NoIcon, DisplayText(title), QString(), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setText(DisplayText(text));
  // Without an icon Qt still keeps the icon's column, a spacer in it: the text
  // takes the whole row instead.
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  if (grid != nullptr && label != nullptr) {
    for (int i = grid->count() - 1; i >= 0; --i) {
      if (grid->itemAt(i)->spacerItem() != nullptr) delete grid->takeAt(i);
    }
    grid->removeWidget(label);
    grid->addWidget(label, 0, 0, 1, grid->columnCount());
  }
  box.exec();
}

std::optional<std::string> InputDialogInput::Ask(const PasswordDialogTexts& texts, int maxLength) {
  QInputDialog dialog;
  dialog.setWindowTitle(DisplayText(texts.title));
  // The label is made by the first text; plain before the prompt arrives.
  dialog.setLabelText(QString());
  if (auto* label = dialog.findChild<QLabel*>()) label->setTextFormat(Qt::PlainText);
  dialog.setLabelText(DisplayText(texts.prompt));
  dialog.setOkButtonText(WithoutMnemonics(DisplayText(texts.ok)));
  dialog.setCancelButtonText(WithoutMnemonics(DisplayText(texts.cancel)));
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
