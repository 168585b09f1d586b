#include "app/clipboard_handoff.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace wv {

namespace {

constexpr char kKeeperFile[] = "wreckvale-clipboard-keeper";

}  // namespace

void KeepClipboardAfterExit() {
#ifdef Q_OS_UNIX
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  const QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard->ownsClipboard()) return;
  const QMimeData* data = clipboard->mimeData();
  if (data == nullptr || !data->hasText()) return;
  const QByteArray text = data->text().toUtf8();
  const QByteArray keeper = QDir(QCoreApplication::applicationDirPath())
                                .filePath(QLatin1String(kKeeperFile))
                                .toLocal8Bit();

  int pipe[2];
  if (pipe2(pipe, O_CLOEXEC) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe[0], STDIN_FILENO);
  // The keeper starts with the system's signal defaults, none blocked.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t all, none;
  sigfillset(&all);
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  char* argv[] = {const_cast<char*>(keeper.constData()), nullptr};
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, keeper.constData(), &actions, &attributes, argv, environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
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
#endif
}

}  // namespace wv
