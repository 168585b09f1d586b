// Reads another program's windows from inside the same Wine prefix, for the
// end-to-end scenarios: its top-level windows and their controls, where the
// keyboard focus is, what message boxes say and what screen readers hear.
//
//   window_inspector PROGRAM.exe         one report, then ends
//   window_inspector PROGRAM.exe --serve  a report for every line on stdin
//
// A report is lines of tab-separated fields, the first naming the line's
// kind and the rest key=value, ended by a line "end":
//   window  hwnd class text visible enabled rect=x,y,w,h   (top level)
//   control hwnd parent id class text visible enabled rect  (every descendant)
//   box     hwnd title text                                 (each #32770)
//   focus   hwnd id class text                              (the focus owner)
//   msaa    hwnd id class name description role rect [child=N for the object's parts]
// Texts are UTF-8 with \t, \n, \r and \\ escaped, so a line stays a line.
#include <fcntl.h>
#include <io.h>
#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text, int length) {
  if (length <= 0) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
  return out;
}

std::string Escaped(const std::string& text) {
  static constexpr std::string_view kPlain = "\t\n\r\\", kLetter = "tnr\\";
  std::string out;
  for (const char c : text) {
    const std::size_t at = kPlain.find(c);
    if (at == std::string_view::npos) {
      out += c;
    } else {
      out += '\\';
      out += kLetter[at];
    }
  }
  return out;
}

// WM_GETTEXT rather than GetWindowText: the latter does not ask windows of
// other processes for their text.
std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  return Escaped(Utf8(text.c_str(), static_cast<int>(copied)));
}

std::string ClassOf(HWND window) {
  wchar_t name[256];
  return Escaped(Utf8(name, GetClassNameW(window, name, 256)));
}

std::string Handle(HWND window) {
  char text[32];
  std::snprintf(text, sizeof text, "%#llx",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
  return text;
}

std::string RectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  char text[64];
  std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", r.left, r.top, r.right - r.left,
                r.bottom - r.top);
  return text;
}

std::wstring ProgramOf(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (process == nullptr) return {};
  // Room for the longest path the system has: a launcher in a folder
  // deeper than MAX_PATH is a player's too.
  std::wstring full(32768, L'\0');
  DWORD size = static_cast<DWORD>(full.size());
  const bool ok = QueryFullProcessImageNameW(process, 0, full.data(), &size) != 0;
  CloseHandle(process);
  if (!ok) return {};
  full.resize(size);
  return full.substr(full.find_last_of(L"\\/") + 1);
}

struct Search {
  std::wstring program;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (lstrcmpiW(ProgramOf(pid).c_str(), search->program.c_str()) == 0) {
    search->found.push_back(window);
  }
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::string Flags(HWND window) {
  return std::string("\tvisible=") + (IsWindowVisible(window) ? "1" : "0") +
         "\tenabled=" + (IsWindowEnabled(window) ? "1" : "0");
}

// The statics of a message box hold its text; its icon is a static without.
std::string BoxText(HWND box) {
  std::string text;
  for (HWND child : Descendants(box)) {
    if (ClassOf(child) != "Static") continue;
    const std::string part = TextOf(child);
    if (part.empty()) continue;
    if (!text.empty()) text += "\\n";
    text += part;
  }
  return text;
}

std::string BstrText(BSTR text) {
  std::string out = text ? Escaped(Utf8(text, static_cast<int>(SysStringLen(text)))) : "";
  SysFreeString(text);
  return out;
}

void ReportAccessible(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object))) ||
      object == nullptr) {
    return;
  }
  const std::string prefix = "msaa\thwnd=" + Handle(window) +
                             "\tid=" + std::to_string(GetDlgCtrlID(window)) +
                             "\tclass=" + ClassOf(window);
  long count = 0;
  object->get_accChildCount(&count);
  // CHILDID_SELF first, then the object's simple parts (an owner-drawn
  // tab row names each tab so).
  for (long child = 0; child <= count && child <= 64; ++child) {
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    BSTR name = nullptr;
    if (FAILED(object->get_accName(id, &name))) name = nullptr;
    VARIANT role;
    VariantInit(&role);
    const long roleNumber =
        SUCCEEDED(object->get_accRole(id, &role)) && role.vt == VT_I4 ? role.lVal : 0;
    BSTR description = nullptr;
    if (FAILED(object->get_accDescription(id, &description))) description = nullptr;
    long left = 0, top = 0, width = 0, height = 0;
    object->accLocation(&left, &top, &width, &height, id);
    std::cout << prefix << "\tname=" << BstrText(name) << "\tdescription=" << BstrText(description)
              << "\trole=" << roleNumber << "\trect=" << left << ',' << top << ',' << width << ','
              << height;
    if (child != 0) std::cout << "\tchild=" << child;
    std::cout << '\n';
  }
  object->Release();
}

void ReportFocus(HWND topLevel) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(topLevel, nullptr), &info)) return;
  if (info.hwndFocus == nullptr) return;
  std::cout << "focus\thwnd=" << Handle(info.hwndFocus) << "\tid=" << GetDlgCtrlID(info.hwndFocus)
            << "\tclass=" << ClassOf(info.hwndFocus) << "\ttext=" << TextOf(info.hwndFocus)
            << "\tactive=" << Handle(info.hwndActive) << '\n';
}

void Report(const std::wstring& program) {
  Search search{program, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  bool focusSaid = false;
  for (HWND window : search.found) {
    // Hidden top-level windows (message windows, IME, tooltips at rest)
    // say nothing to a player.
    if (!IsWindowVisible(window)) continue;
    const std::string className = ClassOf(window);
    std::cout << "window\thwnd=" << Handle(window) << "\tclass=" << className
              << "\ttext=" << TextOf(window) << Flags(window) << "\trect=" << RectOf(window)
              << '\n';
    if (className == "#32770") {
      std::cout << "box\thwnd=" << Handle(window) << "\ttitle=" << TextOf(window)
                << "\ttext=" << BoxText(window) << '\n';
    }
    for (HWND child : Descendants(window)) {
      std::cout << "control\thwnd=" << Handle(child) << "\tparent=" << Handle(GetParent(child))
                << "\tid=" << GetDlgCtrlID(child) << "\tclass=" << ClassOf(child)
                << "\ttext=" << TextOf(child) << Flags(child) << "\trect=" << RectOf(child) << '\n';
    }
    ReportAccessible(window);
    for (HWND child : Descendants(window)) ReportAccessible(child);
    if (!focusSaid) {
      ReportFocus(window);
      focusSaid = true;
    }
  }
  std::cout << "end" << std::endl;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fputs("usage: window_inspector PROGRAM.exe [--serve]\n", stderr);
    return 2;
  }
  // Lines end in \n alone, as the scripts reading them expect.
  _setmode(_fileno(stdout), _O_BINARY);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const bool serve = argc > 2 && lstrcmpW(argv[2], L"--serve") == 0;
  if (!serve) {
    Report(argv[1]);
    return 0;
  }
  // One Wine start per scenario instead of one per look: each start costs
  // a few tenths of a second.
  std::string line;
  while (std::getline(std::cin, line)) Report(argv[1]);
  return 0;
}
