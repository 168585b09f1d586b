#pragma once

// Resources of the launcher's executable (launcher.rc).
#define IDI_LAUNCHER 1
// Common controls 6, taken on when the first control is made.
#define IDM_COMMON_CONTROLS 101
#define IDP_ABOUT 10
#define IDP_ABOUT_2X 11
#define IDI_EMBLEM 2
#define IDD_PASSWORD 20
#define IDC_PASSWORD_PROMPT 21
#define IDC_PASSWORD_TEXT 22
