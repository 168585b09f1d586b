#include "win/common_controls.h"

#include <windows.h>
// The declarations below need the types above.
#include <commctrl.h>

#include "win/resource_ids.h"

namespace wv {

void UseCommonControls() {
  // Active already when the thread's context redirects comctl32.dll.
  ACTCTX_SECTION_KEYED_DATA found{};
  found.cbSize = sizeof found;
  if (!FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                L"comctl32.dll", &found)) {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = program;
    request.hModule = GetModuleHandleW(nullptr);
    request.lpResourceName = MAKEINTRESOURCEW(IDM_COMMON_CONTROLS);
    HANDLE context = CreateActCtxW(&request);
    ULONG_PTR cookie = 0;
    // Kept active for the thread's life, as the program's own manifest would be.
    if (context != INVALID_HANDLE_VALUE) ActivateActCtx(context, &cookie);
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
}

}  // namespace wv
