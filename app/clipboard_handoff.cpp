#include "app/clipboard_handoff.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>
#include <algorithm>
#include <cerrno>

#include "platform/posix/process_start.h"

namespace wv {

namespace {

constexpr char kKeeperFile[] = "wreckvale-clipboard-keeper";
// The byte the keeper writes once it owns the clipboard.
constexpr char kKeeperOwns = '1';
constexpr int kHandoverMs = 1000;

void WriteAll(int fd, const QByteArray& text) {
  for (qsizetype written = 0; written < text.size();) {
    const ssize_t done =
        write(fd, text.constData() + written, static_cast<std::size_t>(text.size() - written));
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return;
    written += done;
  }
}

// Whether the keeper said it owns the clipboard before the deadline; its
// end, or any other word, says it does not.
bool KeeperOwns(int fd, const QDeadlineTimer& deadline) {
  pollfd ready{fd, POLLIN, 0};
  int got;
  while ((got = poll(&ready, 1, static_cast<int>(deadline.remainingTime()))) < 0 &&
         errno == EINTR) {
  }
  char said = 0;
  return got > 0 && read(fd, &said, 1) == 1 && said == kKeeperOwns;
}

}  // namespace

void KeepClipboardAfterExit() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard->ownsClipboard()) return;
  const QMimeData* data = clipboard->mimeData();
  if (data == nullptr || !data->hasText()) return;
  const QByteArray text = data->text().toUtf8();
  const QString keeper =
      QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kKeeperFile));

  int input[2], said[2];
  if (pipe2(input, O_CLOEXEC) != 0) return;
  if (pipe2(said, O_CLOEXEC) != 0) {
    close(input[0]);
    close(input[1]);
    return;
  }
  // Started as the game is: detached, with the system's signal defaults. Its
  // output goes to the launcher alone, never to the launcher's own streams,
  // which a pipe that waits for their end may hold.
  const int failed = StartDetached({keeper.toLocal8Bit().toStdString()}, {}, input[0], said[1]);
  close(input[0]);
  close(said[1]);
  const QDeadlineTimer deadline(kHandoverMs);
  if (failed == 0) {
    // A keeper that ended early must not end the launcher with SIGPIPE.
    signal(SIGPIPE, SIG_IGN);
    WriteAll(input[1], text);
  }
  close(input[1]);
  // Once the keeper owns the clipboard, the toolkit learns that it lost it,
  // and so hands nothing to a clipboard manager as the application ends.
  if (failed == 0 && KeeperOwns(said[0], deadline) && clipboard->ownsClipboard()) {
    QEventLoop lost;
    QObject::connect(clipboard, &QClipboard::changed, &lost, [&] {
      if (!clipboard->ownsClipboard()) lost.quit();
    });
    QTimer::singleShot(std::max<qint64>(deadline.remainingTime(), 0), &lost, &QEventLoop::quit);
    if (clipboard->ownsClipboard()) lost.exec();
  }
  close(said[0]);
}

}  // namespace wv
