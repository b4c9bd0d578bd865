#pragma once
// The management window's own menu and commands.

#define IDM_HOST 100
#define IDC_HOST_CLOSE 40001
#define IDC_HOST_REFRESH 40002
