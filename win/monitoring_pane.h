#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "core/monitoring_texts.h"

namespace wv {

// The monitoring tab's page area: a child window of the tab's page that
// shows the monitoring page, or says why it cannot. The window makes it once,
// when the tab is offered, and drives it from the view state.
class MonitoringPane {
 public:
  // Destroyed while its parent still exists, as the window closes.
  virtual ~MonitoringPane() = default;

  // A hidden child of `parent` covering `area` (the parent's client pixels).
  // `texts` are the controller's, for where the pane shows no page.
  static std::unique_ptr<MonitoringPane> Create(HWND parent, const RECT& area,
                                                MonitoringTexts texts);

  // Starts a fresh navigation on every call (when the player comes to the
  // tab, as the controller asks).
  virtual void Navigate(const std::wstring& url) = 0;
  // Reloads whatever the pane shows now; nothing before the first Navigate.
  virtual void Reload() = 0;
  // Shown while its tab is the current one; told so with every view the
  // window shows, the same answer again included.
  virtual void Show(bool shown) = 0;
  // A new area, after the window's DPI changed.
  virtual void Move(const RECT& area) = 0;
  virtual HWND Window() const = 0;
};

}  // namespace wv
