#pragma once
// Resource ids of sombrel, shared by sombrel.rc and the code. Menu item ids
// carry the menu names.

#define IDI_SOMBREL 1
#define IDM_FORM1 1

// The menu bar; its last menu, "Popup", is the notification-area popup.
#define ID_mnuFileExit 101
#define ID_启用闹钟 111
#define ID_取消闹钟 112
#define ID_启用sombrel 113
#define ID_取消sombrel 114
#define ID_calendar 115
#define ID_软件说明 121
#define ID_mnuTrayRestore 131
#define ID_mnuTrayMove 132
#define ID_mnuTraySize 133
#define ID_mnuTrayMinimize 134
#define ID_mnuTrayMaximize 135
#define ID_mnuTrayClose 136

#define IDS_TITLE 1
#define IDS_GREETING 2
#define IDS_NOTICE 3
#define IDS_PROMPT 4
#define IDS_INPUT_TITLE 5
#define IDS_START_FAILED 6
#define IDS_NOT_A_TIME 7
