#include "app/qt_platform.h"

#include <unistd.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include "core/program_search.h"
#include "core/startup.h"
#include "platform/posix/desktop_open.h"
#include "platform/posix/program_search.h"
#include "platform/posix/user_locale.h"
#include "ui/text_codec.h"

namespace wv {

void MessageBoxSink::Show(const std::string& title, const std::string& text) {
  // Plain before the text arrives: taken for markup, it would be laid out at once.
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString(), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(text));
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

bool MessageBoxQuestion::AskYesNo(const std::string& title, const std::string& question,
                                  const std::string& yes, const std::string& no) {
  // Plain before the text arrives, as in MessageBoxSink::Show.
  QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString(),
                  QMessageBox::Yes | QMessageBox::No);
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(question));
  box.button(QMessageBox::Yes)->setText(WithoutMnemonics(QString::fromStdString(yes)));
  box.button(QMessageBox::No)->setText(WithoutMnemonics(QString::fromStdString(no)));
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

namespace {
// Room for a window manager's buttons and margins in a title bar.
constexpr int kWindowManagerButtons = 140;
}  // namespace

std::optional<std::string> InputDialogInput::Ask(const PasswordDialogTexts& texts, int maxLength) {
  QInputDialog dialog;
  dialog.setWindowTitle(QString::fromStdString(texts.title));
  // The label is made by the first text; plain before the prompt arrives.
  dialog.setLabelText(QString());
  if (auto* label = dialog.findChild<QLabel*>()) label->setTextFormat(Qt::PlainText);
  dialog.setLabelText(QString::fromStdString(texts.prompt));
  dialog.setOkButtonText(WithoutMnemonics(QString::fromStdString(texts.ok)));
  dialog.setCancelButtonText(WithoutMnemonics(QString::fromStdString(texts.cancel)));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setTextEchoMode(QLineEdit::Normal);
  dialog.setTextValue(QString());
  if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setMaxLength(maxLength);
  // The window manager writes the title in a font of its own, often larger
  // and bold, beside its buttons: a dialog only as wide as its box would have
  // the title cut short.
  // Its layout fixes the dialog's least width from its contents', so the
  // text box carries the width.
  const int titleWidth = dialog.fontMetrics().horizontalAdvance(dialog.windowTitle());
  if (auto* edit = dialog.findChild<QLineEdit*>()) {
    const QMargins sides = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
    edit->setMinimumWidth(titleWidth * 3 / 2 + kWindowManagerButtons - sides.left() -
                          sides.right());
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return TextBytes(dialog.textValue());
}

void SystemClipboard::SetText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

bool DesktopUrlOpener::Open(const std::string& url) {
  return OpenOnDesktop(url);
}

// Queued, so that the loop ends at its first turn rather than at once.
void EventLoopQuit::RequestQuit() {
  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                            Qt::QueuedConnection);
}

std::string UserSystemLanguage::Locale() {
  return UserLocale();
}

bool ProcessWorkingFolder::Enter(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::current_path(folder, error);
  return !error;
}

std::optional<std::string> FindProgramOnPath(std::string_view name) {
  return SearchProgram(name);
}

namespace {

// The current folder as the system writes it, without a trailing separator:
// the system's own bytes, as a folder named in a legacy code page is no valid
// UTF-8, and a round trip through QString would replace its letters.
std::string CurrentFolderText(const std::filesystem::path& folder) {
  return folder.native();
}

// The system's own call: std::filesystem's current_path is code that the
// start-up would load for this alone.
std::filesystem::path CurrentFolder(std::error_code& error) {
  std::string folder(256, '\0');
  while (getcwd(folder.data(), folder.size()) == nullptr) {
    if (errno != ERANGE) {
      error.assign(errno, std::generic_category());
      return {};
    }
    folder.resize(folder.size() * 2);
  }
  folder.resize(std::strlen(folder.c_str()));
  error.clear();
  return folder;
}

}  // namespace

LaunchEnvironment CurrentFolderProbe::Probe() {
  std::error_code error;
  const std::filesystem::path folder = CurrentFolder(error);
  LaunchEnvironment environment;
  if (error) {
    environment.folderProblem = error.message();
  } else {
    environment.currentFolder = CurrentFolderText(folder);
  }
  environment.fileExists = [folder](std::string_view name) { return FileExistsIn(folder, name); };
  environment.separator = QDir::separator().toLatin1();
  environment.findOnPath = FindProgramOnPath;
  return environment;
}

StartFolders DefaultStartFolders(const char* argv0) {
  std::error_code error;
  std::filesystem::path workDir = CurrentFolder(error);
  // As the system's bytes, not through QString (see CurrentFolderText). A
  // start folder already removed is left empty rather than ending the start.
  const std::optional<std::filesystem::path> start = error ? std::nullopt : std::optional(workDir);
  std::optional<std::filesystem::path> exeDir;
  if (argv0 != nullptr) {
    const char* searchPath = std::getenv("PATH");
    exeDir = StartedFromFolder(
        argv0, start, searchPath ? std::optional<std::string_view>(searchPath) : std::nullopt,
        IsExecutableFile);
  }
  if (!exeDir) {
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    exeDir = !error && !self.empty() ? self.parent_path() : workDir;
  }
  return {*exeDir, workDir};
}

std::string LauncherVersion() {
  return WV_VERSION_TEXT;
}

}  // namespace wv
