#pragma once
// Control ids of the self-test's target dialog, shared by its resource script and the test.
#define IDD_TARGET 100
#define IDS_QUESTION 101
#define IDC_NAME 200
#define IDC_OPTION 201
#define IDC_CHOICE 202
#define IDC_ITEMS 203
#define IDC_ASK 204
#define IDC_DISABLED 205
#define IDC_STATUS 206
#define IDM_PING 300
