#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <QWebEngineView>
#include <QWidget>

namespace {

// The launcher's page area in its window.
const QRect kPageRect(3, 50, 334, 155);

// A frameless window of the launcher's size. Its first click makes a web view
// over the launcher's page area and loads the page, the least a program that
// shows a page on demand does; later clicks hide and show the view again.
class Window : public QWidget {
 public:
  explicit Window(QUrl url) : url_(std::move(url)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(340, 249);
    setWindowTitle(QStringLiteral("Minimal Web Window"));
  }

 protected:
  void mousePressEvent(QMouseEvent*) override {
    if (view_ == nullptr) {
      view_ = new QWebEngineView(this);
      view_->setGeometry(kPageRect);
      view_->show();
      view_->load(url_);
    } else {
      view_->setVisible(!view_->isVisible());
    }
  }

 private:
  QUrl url_;
  QWebEngineView* view_ = nullptr;
};

}  // namespace

// Started with the page's address. Shared OpenGL contexts are set up before
// the application object, as the web engine asks of programs that link it.
int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  Window window(QUrl::fromUserInput(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString()));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    window.move(screen->geometry().center() - window.rect().center());
  }
  window.show();
  return app.exec();
}
