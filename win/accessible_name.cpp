#include "win/accessible_name.h"

#include <commctrl.h>
#include <oleacc.h>

namespace wv {

namespace {

struct Naming {
  std::wstring name;
  long role = 0;
  std::wstring description;
  std::wstring action;  // none: the system object's
  // COM starts on the thread at the first question for the control, which
  // only a screen reader asks, and is let go with the control.
  bool comStarted = false;
};

// The system's object for the control with the name and role replaced.
// (MinGW's IID_IAccessible is a stub that does not link; __uuidof works.)
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(IAccessible* inner, const Naming& naming) : inner_(inner), naming_(naming) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // IOleWindow, IEnumVARIANT and the like: the system object's.
    return inner_->QueryInterface(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&count_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&count_);
    if (left == 0) {
      inner_->Release();
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return inner_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID lcid, ITypeInfo** info) override {
    return inner_->GetTypeInfo(i, lcid, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override {
    return inner_->GetIDsOfNames(iid, names, count, lcid, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* info, UINT* arg) override {
    return inner_->Invoke(id, iid, lcid, flags, params, result, info, arg);
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (name == nullptr) return E_POINTER;
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return inner_->get_accName(child, name);
    *name = SysAllocString(naming_.name.c_str());
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (role == nullptr) return E_POINTER;
    if (naming_.role == 0 || child.vt != VT_I4 || child.lVal != CHILDID_SELF) {
      return inner_->get_accRole(child, role);
    }
    role->vt = VT_I4;
    role->lVal = naming_.role;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return inner_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    return inner_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return inner_->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return inner_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    if (text == nullptr) return E_POINTER;
    if (naming_.description.empty() || child.vt != VT_I4 || child.lVal != CHILDID_SELF) {
      return inner_->get_accDescription(child, text);
    }
    *text = SysAllocString(naming_.description.c_str());
    return *text != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return inner_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return inner_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return inner_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return inner_->get_accKeyboardShortcut(child, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return inner_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return inner_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (action == nullptr) return E_POINTER;
    if (!Acts(child)) return inner_->get_accDefaultAction(child, action);
    *action = SysAllocString(naming_.action.c_str());
    return *action != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    return inner_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h,
                                        VARIANT child) override {
    return inner_->accLocation(x, y, w, h, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return inner_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    return inner_->accHitTest(x, y, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!Acts(child)) return inner_->accDoDefaultAction(child);
    HWND control = nullptr;
    if (FAILED(WindowFromAccessibleObject(inner_, &control)) || control == nullptr) return E_FAIL;
    PostMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                 reinterpret_cast<LPARAM>(control));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return inner_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return inner_->put_accValue(child, value);
  }

 private:
  bool Acts(const VARIANT& child) const {
    return !naming_.action.empty() && child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  }

  IAccessible* inner_;
  Naming naming_;
  LONG count_ = 1;
};

constexpr UINT_PTR kSubclassId = 0x5756;  // "WV"
// The naming of a control, found again by the next call.
constexpr wchar_t kNamingProperty[] = L"wv.naming";

LRESULT CALLBACK NamingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR data) {
  auto* naming = reinterpret_cast<Naming*>(data);
  if (message == WM_GETOBJECT && static_cast<long>(lParam) == OBJID_CLIENT) {
    if (!naming->comStarted) {
      naming->comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    }
    IAccessible* inner = nullptr;
    if (SUCCEEDED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&inner)))) {
      auto* named = new NamedAccessible(inner, *naming);
      const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, named);
      named->Release();
      return result;
    }
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, NamingProc, kSubclassId);
    RemovePropW(window, kNamingProperty);
    if (naming->comStarted) CoUninitialize();
    delete naming;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void SetAccessibleName(HWND control, const std::wstring& name, long role) {
  if (auto* naming = static_cast<Naming*>(GetPropW(control, kNamingProperty))) {
    if (naming->name == name && naming->role == role) return;
    naming->name = name;
    naming->role = role;
  } else {
    naming = new Naming{name, role, {}, {}};
    SetPropW(control, kNamingProperty, naming);
    SetWindowSubclass(control, NamingProc, kSubclassId, reinterpret_cast<DWORD_PTR>(naming));
  }
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void SetAccessibleDescription(HWND control, const std::wstring& description) {
  auto* naming = static_cast<Naming*>(GetPropW(control, kNamingProperty));
  if (naming == nullptr || naming->description == description) return;
  naming->description = description;
  NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void SetAccessibleAction(HWND control, const std::wstring& action) {
  if (auto* naming = static_cast<Naming*>(GetPropW(control, kNamingProperty))) {
    naming->action = action;
  }
}

}  // namespace wv
