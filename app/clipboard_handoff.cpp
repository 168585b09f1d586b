#include "app/clipboard_handoff.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <cerrno>

#include "platform/posix/process_start.h"

namespace wv {

namespace {

constexpr char kKeeperFile[] = "wreckvale-clipboard-keeper";

}  // namespace

void KeepClipboardAfterExit() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  const QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard->ownsClipboard()) return;
  const QMimeData* data = clipboard->mimeData();
  if (data == nullptr || !data->hasText()) return;
  const QByteArray text = data->text().toUtf8();
  const QString keeper =
      QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kKeeperFile));

  int pipe[2];
  if (pipe2(pipe, O_CLOEXEC) != 0) return;
  // Started as the game is: detached, with the system's signal defaults.
  const int failed = StartDetached({keeper.toLocal8Bit().toStdString()}, {}, pipe[0]);
  close(pipe[0]);
  if (failed == 0) {
    // A keeper that ended early must not end the launcher with SIGPIPE.
    signal(SIGPIPE, SIG_IGN);
    for (qsizetype written = 0; written < text.size();) {
      const ssize_t done = write(pipe[1], text.constData() + written,
                                 static_cast<std::size_t>(text.size() - written));
      if (done < 0 && errno == EINTR) continue;
      if (done <= 0) break;
      written += done;
    }
  }
  close(pipe[1]);
}

}  // namespace wv
