#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>
#include <cstring>

// A plain frameless window of the launcher's size. With --text it also shows
// one line of text, which costs what any window with text pays: the font
// configuration read at start-up.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  window.setFixedSize(340, 249);
  window.setWindowTitle(QStringLiteral("Minimal Window"));
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    (new QLabel(QStringLiteral("Wreckvale Launcher"), &window))->move(8, 8);
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.move(screen->geometry().center() - window.rect().center());
  }
  window.show();
  return app.exec();
}
