#pragma once
// Resource ids of the setup and uninstall program, shared by uninstall.rc,
// the language library's zkvlng.rc, the code, the tests and the translators'
// tool. Plain #defines that the resource compiler reads too; nothing here
// needs windows.h. The dialogs' OK, Cancel and Help buttons are IDOK,
// IDCANCEL and IDHELP of windows.h.

// Icon groups go by name. The resource directory orders names by letter,
// and Windows shows a program file with its first icon group: DELICON.
#define IDI_DELETE DELICON
#define IDI_ZELKOVA ZKVICON // the window icon

// The string table. IDS_DELETE_BY_HAND, IDS_NO_LIST_FILE and
// IDS_DELETE_AT_RESTART are formats with one %s.
#define IDS_DISPLAY_NAME 5101 // in the list of installed programs
#define IDS_HELP_LINK 5102
#define IDS_MANUAL_LINK 5103
#define IDS_UNINSTALL_CAPTION 5104
#define IDS_UNINSTALL_DONE 5105
#define IDS_DELETE_BY_HAND 5106
#define IDS_CONFIRM_UNINSTALL 5107
#define IDS_NO_LIST_FILE 5108
#define IDS_ZKV_FILE_TYPE 5109
#define IDS_ZIP_FILE_TYPE 5110
#define IDS_REV_FILE_TYPE 5111
#define IDS_HOME_PAGE_URL 5112
#define IDS_DELETE_AT_RESTART 5113
// The folder's name cannot be used with the system's language setting; the
// folder follows on a line of its own.
#define IDS_FOLDER_NAME_UNUSABLE 5114

// SETUPDLG. The archive type boxes are numbered in the order of the archive
// groups, IDC_ZKV_BOX to IDC_ISO_BOX.
#define IDC_ZKV_BOX 5101
#define IDC_ZIP_BOX 5102
#define IDC_CAB_BOX 5103
#define IDC_ARJ_BOX 5104
#define IDC_LZH_BOX 5105
#define IDC_ACE_BOX 5106
#define IDC_TAR_BOX 5107
#define IDC_GZIP_BOX 5108
#define IDC_UUE_BOX 5109
#define IDC_BZ2_BOX 5110
#define IDC_JAR_BOX 5111
#define IDC_ISO_BOX 5112
#define IDC_DESKTOP_BOX 5113
#define IDC_START_MENU_BOX 5114
#define IDC_PROGRAM_GROUP_BOX 5115
#define IDC_SHELL_EXT_BOX 5116
#define IDC_CASCADED_MENU_BOX 5117
#define IDC_MENU_ICONS_BOX 5118
#define IDC_SELECT_ALL_BUTTON 5119
#define IDC_EXPLANATION_TEXT 5120
#define IDC_CONTEXT_ITEMS_BUTTON 5121

// CONTEXTITEMS: one box per command of the Explorer context menu, numbered
// in the order of the commands, IDC_EXTRACT_FILES_BOX to IDC_EMAIL_ARCHIVE_BOX.
#define IDC_EXTRACT_FILES_BOX 101
#define IDC_EXTRACT_HERE_BOX 102
#define IDC_EXTRACT_TO_FOLDER_BOX 103
#define IDC_EXTRACT_EACH_BOX 104
#define IDC_OPEN_SFX_BOX 105
#define IDC_ADD_TO_ARCHIVE_BOX 106
#define IDC_ADD_TO_NAMED_BOX 107
#define IDC_EMAIL_NAMED_BOX 108
#define IDC_EMAIL_ARCHIVE_BOX 109

// DONEDLG.
#define IDC_FOLDER_TEXT 5101
#define IDC_RUN_ZELKOVA_BUTTON 5102
#define IDC_READ_HELP_BUTTON 5103
#define IDC_LICENCE_BUTTON 5104
#define IDC_HOME_PAGE_BUTTON 5106
#define IDC_THANKS_TEXT 5107

#ifndef RC_INVOKED
// A name above as a string literal, for the functions that take a resource
// by name: RESOURCE_ID_TEXT(IDI_ZELKOVA) is "ZKVICON".
#define RESOURCE_ID_TEXT(id) RESOURCE_ID_TEXT_(id)
#define RESOURCE_ID_TEXT_(id) #id
#endif
