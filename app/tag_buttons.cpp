// The Add, Delete and 元に戻す buttons: each runs its work over the list, then lets the queued input through;
// the list's clear button, which also ends what 元に戻す can put back.
#include "app/tag_buttons.h"

#include "app/busy_gate.h"
#include "app/store_notice.h"
#include "app/tag_check.h"
#include "app/message_loop.h"
#include "filelist/list_view.h"
#include "res/control_ids.h"
#include "tags/tag_commands.h"
#include "tags/undo_record.h"

namespace {

void ShowWhetherUndoIsPossible(HWND dialog)
{
    HWND undo = GetDlgItem(dialog, IDC_UNDO_BUTTON);
    // A disabled button keeps no keyboard focus: it goes to the tag box, where the next command starts.
    if (!CanUndo() && GetFocus() == undo) {
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_TAG_COMBO)), TRUE);
    }
    EnableWindow(undo, CanUndo() ? TRUE : FALSE);
}

// The starting button and 元に戻す stay disabled until the messages queued during the run have been
// handled, so clicks made meanwhile fall on a disabled button. What the run held goes first, as it came
// before that input; either may close the dialog, whose close then tells of a failed history write.
// Otherwise it is told here, after that input, so the box's own loop runs none of it.
int RunFromButton(HWND dialog, int buttonId, TagCommand command)
{
    HWND button = GetDlgItem(dialog, buttonId);
    EnableWindow(button, FALSE);
    EnableWindow(GetDlgItem(dialog, IDC_UNDO_BUTTON), FALSE);
    TextBuffer tag = {};
    TagBrackets brackets;
    if (command == TagCommand::kUndo || TakeTag(dialog, command == TagCommand::kAdd, tag, brackets)) {
        RunTagCommand(dialog, command, tag, brackets);
    }
    if (!RunHeldWork(dialog)) return 1;
    DrainMessageQueue(dialog);
    if (!IsWindow(dialog)) return 1;
    TellStoreNotices(dialog);
    if (!IsWindow(dialog)) return 1;
    EnableWindow(button, TRUE);
    ShowWhetherUndoIsPossible(dialog);
    return 1;
}

}  // namespace

int OnAddButton(HWND dialog, HWND, WPARAM, WORD, INT_PTR*)
{
    return RunFromButton(dialog, IDC_ADD_BUTTON, TagCommand::kAdd);
}

int OnDeleteButton(HWND dialog, HWND, WPARAM, WORD, INT_PTR*)
{
    return RunFromButton(dialog, IDC_DELETE_BUTTON, TagCommand::kDelete);
}

int OnUndoButton(HWND dialog, HWND, WPARAM, WORD, INT_PTR*)
{
    return RunFromButton(dialog, IDC_UNDO_BUTTON, TagCommand::kUndo);
}

int OnClearButton(HWND dialog, HWND control, WPARAM wParam, WORD code, INT_PTR* result)
{
    ClearUndoRecord();
    ShowWhetherUndoIsPossible(dialog);
    return ClearFileList(dialog, control, wParam, code, result);
}
