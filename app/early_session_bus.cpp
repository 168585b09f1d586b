#include "app/early_session_bus.h"

#include <QDBusConnection>
#include <QThread>
#include <cstdlib>
#include <string_view>

namespace wv {

namespace {

// Only the window systems whose integration brings the bridge; elsewhere
// (offscreen, say) nothing would use the connection.
bool BridgeExpected() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform == nullptr || *platform == '\0') return true;
  const std::string_view named(platform);
  return named.find("xcb") != std::string_view::npos ||
         named.find("wayland") != std::string_view::npos;
}

}  // namespace

EarlySessionBus::EarlySessionBus() {
  if (!BridgeExpected()) return;
  // The toolkit takes the first thread that asks for its thread data as the
  // main one: this one, before the helper asks.
  QThread::currentThread();
  thread_ = std::thread([this] {
    QDBusConnection::sessionBus();
    std::unique_lock lock(mutex_);
    released_.wait(lock, [this] { return release_; });
  });
}

EarlySessionBus::~EarlySessionBus() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    release_ = true;
  }
  released_.notify_one();
  thread_.join();
}

}  // namespace wv
