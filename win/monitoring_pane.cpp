#include "win/monitoring_pane.h"

namespace wv {

namespace {

// An empty page area until the web control is hosted here.
class BlankPane : public MonitoringPane {
 public:
  BlankPane(HWND parent, const RECT& area) {
    window_ = CreateWindowExW(WS_EX_CONTROLPARENT, L"STATIC", L"", WS_CHILD, area.left, area.top,
                              area.right - area.left, area.bottom - area.top, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  }
  void Navigate(const std::wstring&) override {}
  void Reload() override {}
  void Show(bool shown) override { ShowWindow(window_, shown ? SW_SHOW : SW_HIDE); }
  void Move(const RECT& area) override {
    MoveWindow(window_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
  }
  HWND Window() const override { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace

std::unique_ptr<MonitoringPane> MonitoringPane::Create(HWND parent, const RECT& area,
                                                       const StringSet&) {
  return std::make_unique<BlankPane>(parent, area);
}

}  // namespace wv
