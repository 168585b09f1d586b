#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace wv {

// The system's web control (IWebBrowser2) in place inside one window, with
// the least of an OLE container around it. Says when a document has arrived.
class WebHost {
 public:
  // nullptr when the control cannot be made. `documentArrived` runs on the
  // window's thread for every document the control completes.
  static std::unique_ptr<WebHost> Create(HWND window, std::function<void()> documentArrived);
  virtual ~WebHost() = default;

  virtual void Navigate(const std::wstring& url) = 0;
  virtual void Reload() = 0;
  // To the window's client area, after it changed size.
  virtual void Fit() = 0;
};

// Asks the web control of this program to render as the newest engine the
// system has, rather than in its oldest compatibility mode, through the
// launcher's only registry value (under HKCU). Read by the control when it is
// first made in the process. A value already there, the player's or another
// launcher's, is left as it is; one made here is removed again on
// destruction, so the launcher leaves nothing behind.
class NewestBrowserMode {
 public:
  NewestBrowserMode();
  ~NewestBrowserMode();
  NewestBrowserMode(const NewestBrowserMode&) = delete;
  NewestBrowserMode& operator=(const NewestBrowserMode&) = delete;

 private:
  std::wstring created_;  // the value's name, where this made it
};

}  // namespace wv
