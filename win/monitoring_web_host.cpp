#include "win/monitoring_web_host.h"

#include <exdisp.h>
#include <exdispid.h>
#include <ocidl.h>
#include <oleidl.h>

#include <utility>

namespace wv {

namespace {

// The container's side of the OLE conversation, reduced to what an in-place
// web control asks for: a client site, an in-place site and a frame without
// menus or borders, and the event interface for DocumentComplete. Owned by
// its WebHost, which outlives every reference the control holds.
class Site final : public IOleClientSite,
                   public IOleInPlaceSite,
                   public IOleInPlaceFrame,
                   public IDispatch {
 public:
  Site(HWND window, std::function<void()> documentArrived)
      : window_(window), documentArrived_(std::move(documentArrived)) {}

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == __uuidof(IOleClientSite)) {
      *object = static_cast<IOleClientSite*>(this);
    } else if (iid == __uuidof(IOleWindow) || iid == __uuidof(IOleInPlaceSite)) {
      *object = static_cast<IOleInPlaceSite*>(this);
    } else if (iid == __uuidof(IOleInPlaceUIWindow) || iid == __uuidof(IOleInPlaceFrame)) {
      *object = static_cast<IOleInPlaceFrame*>(this);
    } else if (iid == IID_IDispatch || iid == __uuidof(DWebBrowserEvents2)) {
      *object = static_cast<IDispatch*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override { return --references_; }

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
    *moniker = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetContainer(IOleContainer** container) override {
    *container = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow, for the in-place site and the frame alike
  STDMETHODIMP GetWindow(HWND* window) override {
    *window = window_;
    return S_OK;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                RECT* position, RECT* clip, OLEINPLACEFRAMEINFO* info) override {
    *frame = this;
    AddRef();
    *document = nullptr;
    GetClientRect(window_, position);
    *clip = *position;
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
  }
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleInPlaceUIWindow
  STDMETHODIMP GetBorder(RECT*) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

  // IOleInPlaceFrame
  STDMETHODIMP InsertMenus(HMENU, OLEMENUGROUPWIDTHS*) override { return E_NOTIMPL; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(MSG*, WORD) override { return S_FALSE; }

  // IDispatch, as DWebBrowserEvents2: only the arrival of a document matters.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                      UINT*) override {
    if (member == DISPID_DOCUMENTCOMPLETE && documentArrived_) documentArrived_();
    return S_OK;
  }

 private:
  HWND window_;
  std::function<void()> documentArrived_;
  ULONG references_ = 0;
};

template <typename T>
void ReleaseAndClear(T*& object) {
  if (object != nullptr) object->Release();
  object = nullptr;
}

class OleWebHost final : public WebHost {
 public:
  OleWebHost(HWND window, std::function<void()> documentArrived)
      : window_(window), site_(window, std::move(documentArrived)) {}

  ~OleWebHost() override {
    if (events_ != nullptr) events_->Unadvise(cookie_);
    ReleaseAndClear(events_);
    ReleaseAndClear(browser_);
    if (object_ != nullptr) {
      object_->Close(OLECLOSE_NOSAVE);
      object_->SetClientSite(nullptr);
    }
    ReleaseAndClear(object_);
    if (oleStarted_) OleUninitialize();
  }

  bool Start() {
    // In-place activation needs OLE on this thread, not only COM.
    oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
    if (!oleStarted_) return false;
    if (FAILED(CoCreateInstance(__uuidof(WebBrowser), nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IOleObject), reinterpret_cast<void**>(&object_)))) {
      object_ = nullptr;
      return false;
    }
    if (FAILED(object_->SetClientSite(&site_))) return false;
    OleSetContainedObject(object_, TRUE);
    RECT area;
    GetClientRect(window_, &area);
    if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site_, 0, window_, &area)) ||
        FAILED(
            object_->QueryInterface(__uuidof(IWebBrowser2), reinterpret_cast<void**>(&browser_)))) {
      return false;
    }
    // Without the events no arrival can be told, and the pane falls back
    // as if no page came.
    IConnectionPointContainer* points = nullptr;
    if (SUCCEEDED(browser_->QueryInterface(__uuidof(IConnectionPointContainer),
                                           reinterpret_cast<void**>(&points)))) {
      if (SUCCEEDED(points->FindConnectionPoint(__uuidof(DWebBrowserEvents2), &events_)) &&
          FAILED(events_->Advise(static_cast<IDispatch*>(&site_), &cookie_))) {
        ReleaseAndClear(events_);
      }
      points->Release();
    }
    browser_->put_Silent(VARIANT_TRUE);  // script errors are the page's, not the player's
    Fit();
    return true;
  }

  void Navigate(const std::wstring& url) override {
    BSTR address = SysAllocString(url.c_str());
    VARIANT empty;
    VariantInit(&empty);
    browser_->Navigate(address, &empty, &empty, &empty, &empty);
    SysFreeString(address);
  }

  void Reload() override { browser_->Refresh(); }

  void Fit() override {
    RECT area;
    GetClientRect(window_, &area);
    IOleInPlaceObject* inPlace = nullptr;
    if (SUCCEEDED(object_->QueryInterface(__uuidof(IOleInPlaceObject),
                                          reinterpret_cast<void**>(&inPlace)))) {
      inPlace->SetObjectRects(&area, &area);
      inPlace->Release();
    }
  }

 private:
  HWND window_;
  Site site_;
  bool oleStarted_ = false;
  IOleObject* object_ = nullptr;
  IWebBrowser2* browser_ = nullptr;
  IConnectionPoint* events_ = nullptr;
  DWORD cookie_ = 0;
};

}  // namespace

std::unique_ptr<WebHost> WebHost::Create(HWND window, std::function<void()> documentArrived) {
  auto host = std::make_unique<OleWebHost>(window, std::move(documentArrived));
  if (!host->Start()) return nullptr;
  return host;
}

namespace {

constexpr wchar_t kEmulationKey[] =
    L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";

}  // namespace

NewestBrowserMode::NewestBrowserMode() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return;
  const wchar_t* name = path;
  for (const wchar_t* c = path; *c != L'\0'; ++c) {
    if (*c == L'\\' || *c == L'/') name = c + 1;
  }
  if (RegGetValueW(HKEY_CURRENT_USER, kEmulationKey, name, RRF_RT_ANY, nullptr, nullptr, nullptr) ==
      ERROR_SUCCESS) {
    return;
  }
  // 11001: the newest document mode, whatever the page's doctype says.
  const DWORD mode = 11001;
  if (RegSetKeyValueW(HKEY_CURRENT_USER, kEmulationKey, name, REG_DWORD, &mode, sizeof mode) ==
      ERROR_SUCCESS) {
    created_ = name;
  }
}

NewestBrowserMode::~NewestBrowserMode() {
  if (!created_.empty()) RegDeleteKeyValueW(HKEY_CURRENT_USER, kEmulationKey, created_.c_str());
}

}  // namespace wv
