#pragma once
// Resource and control IDs, shared by the resource script and the code.

#define IDD_MAIN_DIALOG 101

#define IDC_ADD_BUTTON 1   /* IDOK: the default push button, so Enter adds */
#define IDC_CLOSE_BUTTON 2 /* IDCANCEL: Esc closes */
#define IDC_DELETE_BUTTON 3
#define IDC_FILE_LIST 1001
#define IDC_TAG_COMBO 1003
#define IDC_COUNT_LABEL 1011
#define IDC_RECURSE_BOX 1013
#define IDC_EXT_EDIT 1014
#define IDC_CLEAR_BUTTON 1016
#define IDC_CONTEXT_MENU_BOX 1017
#define IDC_SEND_TO_BOX 1018
#define IDC_CHECK_ALL_BOX 1019
#define IDC_UNDO_BUTTON 1020
