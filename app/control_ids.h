#pragma once
#include "res/resource_ids.h"

// The controls of the main dialog, by the IDs of its template.
constexpr int kMainDialogTemplate = IDD_MAIN_DIALOG;
constexpr int kAddButton = IDC_ADD_BUTTON;
constexpr int kCloseButton = IDC_CLOSE_BUTTON;
constexpr int kDeleteButton = IDC_DELETE_BUTTON;
constexpr int kFileList = IDC_FILE_LIST;
constexpr int kTagCombo = IDC_TAG_COMBO;
constexpr int kCountLabel = IDC_COUNT_LABEL;
constexpr int kRecurseBox = IDC_RECURSE_BOX;
constexpr int kExtEdit = IDC_EXT_EDIT;
constexpr int kClearButton = IDC_CLEAR_BUTTON;
constexpr int kContextMenuBox = IDC_CONTEXT_MENU_BOX;
constexpr int kSendToBox = IDC_SEND_TO_BOX;
constexpr int kCheckAllBox = IDC_CHECK_ALL_BOX;
