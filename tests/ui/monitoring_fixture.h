#pragma once

#include <QFile>
#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <string>
#include <string_view>

namespace wv::test {

// The pages the monitoring tab is pointed at. "/hop" follows its own link
// shortly after it has loaded, as a user clicking on it would; the pause keeps
// its own load's end ahead of the next request. The dialog pages report what
// their dialog answered by the address they go to next; "/alerts" never ends
// and asks for "/progress" after every hundredth alert.
struct Route {
  const char* path;
  const char* body;
};
inline constexpr Route kRoutes[] = {
    {"/status", "<html><body>status</body></html>"},
    {"/hop",
     "<html><body onload=\"setTimeout(function(){document.getElementById('on').click()},50)\">"
     "<a id=\"on\" href=\"/target\">on</a></body></html>"},
    {"/target", "<html><body>target</body></html>"},
    // Server lists whose one join link fills the page, for a click anywhere;
    // clicked, the first asks for "/after" a moment later, showing that the
    // page still runs.
    {"/servers",
     "<html><body style=\"margin:0\"><a href=\"wreckvale://join/%5B::1%5D:27019?password=x\" "
     "style=\"display:block;height:100vh\" onclick=\"setTimeout(function(){var r = new "
     "XMLHttpRequest(); r.open('GET', '/after'); r.send()}, 300)\">join</a></body></html>"},
    {"/script-link",
     "<html><body onload=\"location = 'wreckvale://join/h:1'; setTimeout(function(){var r = "
     "new XMLHttpRequest(); r.open('GET', '/after'); r.send()}, 300)\">list</body></html>"},
    {"/bad-link",
     "<html><body style=\"margin:0\"><a href=\"wreckvale://join/h:0\" "
     "style=\"display:block;height:100vh\">join</a></body></html>"},
    {"/alerts",
     "<html><body><script>for (var i = 0;; ++i) { alert(i); if (i % 100 == 99) {"
     " var r = new XMLHttpRequest(); r.open('GET', '/progress', false); r.send(); } }"
     "</script></body></html>"},
    {"/confirm",
     "<html><body><script>location = '/answered?' + confirm('Sure?')</script></body></html>"},
    {"/prompt",
     "<html><body><script>location = '/answered?' + prompt('Name?', 'x')</script></body></html>"},
};

// A tiny HTTP server on loopback that counts the requests for each path.
class PageServer : public QObject {
 public:
  PageServer() {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Serve(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  bool Listen() { return server_.listen(QHostAddress::LocalHost); }
  QString Url(const char* path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
  }
  // Stops answering, as a server gone down; Up answers again on the same port.
  void Down() {
    port_ = server_.serverPort();
    server_.close();
  }
  bool Up() { return server_.isListening() || server_.listen(QHostAddress::LocalHost, port_); }
  int Hits(const QString& path) const { return hits_.value(path); }
  void ResetHits() { hits_.clear(); }
  // Runs at each request for a known page, before the answer goes out.
  std::function<void()> onPageRequest;

 private:
  void Serve(QTcpSocket* socket) {
    QByteArray& request = pending_[socket];
    request += socket->readAll();
    if (!request.contains("\r\n\r\n")) return;
    const QString path = QString::fromLatin1(request.split(' ').value(1));
    pending_.remove(socket);
    ++hits_[path];

    QByteArray status = "404 Not Found", body;
    for (const Route& route : kRoutes) {
      if (path != QLatin1String(route.path)) continue;
      status = "200 OK";
      body = route.body;
      if (onPageRequest) onPageRequest();
    }
    socket->write("HTTP/1.1 " + status +
                  "\r\nContent-Type: text/html\r\nCache-Control: no-store\r\n"
                  "Connection: close\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
    socket->disconnectFromHost();
  }

  QTcpServer server_;
  quint16 port_ = 0;
  QHash<QString, int> hits_;
  QHash<QTcpSocket*, QByteArray> pending_;
};

inline std::string ReadProcFile(const std::string& path) {
  QFile in(QString::fromStdString(path));
  return in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : std::string();
}

// Whether the process (a number, or "self") has a library of that name mapped.
inline bool Mapped(const std::string& process, std::string_view library) {
  return ReadProcFile("/proc/" + process + "/maps").find(library) != std::string::npos;
}

inline bool WebEngineMapped(const std::string& process = "self") {
  return Mapped(process, "libQt6WebEngine");
}

}  // namespace wv::test
