#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace wv {

// Connects the toolkit to the session bus on a thread of its own, while the
// application object is still being made. The accessibility bridge connects
// when the window's first widget is made, and the main thread would wait
// there: for the bus, or, with none running, for libdbus's attempt to start
// one. Make it first in main, before the application object.
class EarlySessionBus {
 public:
  EarlySessionBus();
  // Lets the thread end. It waits until then: a thread that ends runs the C
  // library's clean-up of its resolver state, code the launcher never needs
  // otherwise.
  ~EarlySessionBus();

  EarlySessionBus(const EarlySessionBus&) = delete;
  EarlySessionBus& operator=(const EarlySessionBus&) = delete;

 private:
  std::mutex mutex_;
  std::condition_variable released_;
  bool release_ = false;
  std::thread thread_;
};

}  // namespace wv
