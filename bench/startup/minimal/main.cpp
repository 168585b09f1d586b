#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>
#include <cstring>

// A plain frameless window of the launcher's size with one line of text: the
// least a launcher window shows, so it pays what any window with text pays
// (the font configuration read at start-up). With --blank it shows no text,
// for reference.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  window.setFixedSize(340, 249);
  window.setWindowTitle(QStringLiteral("Minimal Window"));
  if (argc < 2 || std::strcmp(argv[1], "--blank") != 0) {
    (new QLabel(QStringLiteral("Wreckvale Launcher"), &window))->move(8, 8);
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.move(screen->geometry().center() - window.rect().center());
  }
  window.show();
  return app.exec();
}
