#include "win/monitoring_pane.h"

#include <commctrl.h>

#include <utility>

#include "core/file_url.h"
#include "win/look.h"
#include "win/monitoring_web_host.h"
#include "win/shell_open.h"
#include "win/text.h"

namespace wv {

namespace {

constexpr wchar_t kPaneClass[] = L"WreckvaleMonitoringPane";
// No document this long after the navigation began: the control is there
// but cannot show pages (Wine without its HTML engine, a locked-down system).
constexpr UINT kDocumentTimeoutMs = 5000;
constexpr UINT_PTR kDocumentTimer = 1;
constexpr int kReasonId = 1;
constexpr int kOpenButtonId = 2;

// The page in the system's web control, or where that cannot show it, why
// and a button that opens the page in the player's browser. One attempt per
// pane, as on Linux: a control that failed stays failed.
class BrowserPane final : public MonitoringPane {
 public:
  BrowserPane(HWND parent, const RECT& area, MonitoringTexts texts) : texts_(std::move(texts)) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW paneClass{};
    paneClass.cbSize = sizeof paneClass;
    paneClass.lpfnWndProc = &BrowserPane::Procedure;
    paneClass.hInstance = instance;
    paneClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    paneClass.lpszClassName = kPaneClass;
    RegisterClassExW(&paneClass);  // fails harmlessly for every pane after the first
    window_ = CreateWindowExW(WS_EX_CONTROLPARENT, kPaneClass, L"", WS_CHILD | WS_CLIPCHILDREN,
                              area.left, area.top, area.right - area.left, area.bottom - area.top,
                              parent, nullptr, instance, this);
  }

  ~BrowserPane() override {
    host_.reset();
    if (window_ != nullptr) {
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      DestroyWindow(window_);
    }
    winlook::DeleteFonts(look_);
  }

  void Navigate(const std::wstring& url) override {
    url_ = url;
    if (failed_) return;
    if (!host_) {
      if (!browserMode_) browserMode_ = std::make_unique<NewestBrowserMode>();
      host_ = WebHost::Create(window_, [this] { DocumentArrived(); });
      if (!host_) {
        Fail(BrowserFailure::Kind::NoWebView);
        return;
      }
    }
    if (!documentSeen_) SetTimer(window_, kDocumentTimer, kDocumentTimeoutMs, nullptr);
    host_->Navigate(url);
  }

  void Reload() override {
    if (host_) host_->Reload();
  }

  void Show(bool shown) override { ShowWindow(window_, shown ? SW_SHOW : SW_HIDE); }

  void Move(const RECT& area) override {
    MoveWindow(window_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
    Layout();
  }

  HWND Window() const override { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* pane = reinterpret_cast<BrowserPane*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (pane != nullptr) {
      switch (message) {
        case WM_TIMER:
          if (wParam == kDocumentTimer) {
            KillTimer(window, kDocumentTimer);
            pane->NoDocument();
            return 0;
          }
          break;
        case WM_SIZE:
          pane->Layout();
          return 0;
        case WM_ERASEBKGND: {
          RECT area;
          GetClientRect(window, &area);
          winlook::Fill(reinterpret_cast<HDC>(wParam), area, winlook::kSilver);
          return 1;
        }
        case WM_CTLCOLORSTATIC:
          SetBkColor(reinterpret_cast<HDC>(wParam), winlook::kSilver);
          SetDCBrushColor(reinterpret_cast<HDC>(wParam), winlook::kSilver);
          return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
        case WM_COMMAND:
          if (LOWORD(wParam) == kOpenButtonId && HIWORD(wParam) == BN_CLICKED) {
            pane->OpenElsewhere();
            return 0;
          }
          break;
        default:
          break;
      }
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  void DocumentArrived() {
    documentSeen_ = true;
    KillTimer(window_, kDocumentTimer);
  }

  void NoDocument() {
    if (documentSeen_ || failed_) return;
    host_.reset();
    Fail(BrowserFailure::Kind::NoWebView);
  }

  void Fail(BrowserFailure::Kind why) {
    failed_ = true;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring text =
        Wide(WithPageAddress(UnavailableLine(texts_, {why, {}, {}}), Utf8(url_)));
    // Translations are plain text: no '&' becomes a mnemonic.
    reason_ =
        CreateWindowExW(0, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                        0, 0, 0, 0, window_, reinterpret_cast<HMENU>(kReasonId), instance, nullptr);
    openButton_ =
        CreateWindowExW(0, L"BUTTON", WithoutMnemonics(Wide(texts_.openInBrowser)).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, window_,
                        reinterpret_cast<HMENU>(kOpenButtonId), instance, nullptr);
    Layout();
  }

  // The reason over the pane's width, the button under it at its text's
  // width; sizes in 96-DPI pixels scaled to the window's DPI.
  void Layout() {
    if (host_) {
      host_->Fit();
      return;
    }
    if (reason_ == nullptr) return;
    // The window's fonts at the window's DPI, made afresh when it changed.
    const UINT dpi = winlook::WindowDpi(window_);
    if (look_.font == nullptr || look_.scale.Dpi() != dpi) {
      winlook::MakeFonts(look_, winlook::Scale(dpi));
      SendMessageW(reason_, WM_SETFONT, reinterpret_cast<WPARAM>(look_.font), FALSE);
      SendMessageW(openButton_, WM_SETFONT, reinterpret_cast<WPARAM>(look_.font), FALSE);
    }
    const winlook::Scale& scaled = look_.scale;
    RECT area;
    GetClientRect(window_, &area);
    const int margin = scaled(8);
    const int width = area.right - area.left - 2 * margin;
    const int reasonHeight = scaled(48);  // the reason, then the address
    MoveWindow(reason_, margin, margin, width, reasonHeight, TRUE);
    SIZE ideal{};
    const int buttonWidth = Button_GetIdealSize(openButton_, &ideal) && ideal.cx > 0
                                ? ideal.cx + scaled(16)
                                : scaled(140);
    MoveWindow(openButton_, margin, margin + reasonHeight + scaled(6), buttonWidth, scaled(25),
               TRUE);
  }

  void OpenElsewhere() {
    if (!IsWebAddress(Utf8(url_))) return;
    ShellOpen(window_, url_);
  }

  MonitoringTexts texts_;
  winlook::Look look_;
  HWND window_ = nullptr;
  HWND reason_ = nullptr;
  HWND openButton_ = nullptr;
  std::unique_ptr<NewestBrowserMode> browserMode_;
  std::unique_ptr<WebHost> host_;
  std::wstring url_;
  bool documentSeen_ = false;
  bool failed_ = false;
};

}  // namespace

std::unique_ptr<MonitoringPane> MonitoringPane::Create(HWND parent, const RECT& area,
                                                       MonitoringTexts texts) {
  return std::make_unique<BrowserPane>(parent, area, std::move(texts));
}

}  // namespace wv
