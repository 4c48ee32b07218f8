#include "store/tag_picker.h"

#include "res/control_ids.h"
#include "names/exact_spelling.h"
#include "store/file_names.h"
#include "store/tag_history.h"
#include "text/text_buffer.h"

namespace {

// Reads entry index into text; false when it does not fit or has no exact spelling. The entry is read
// as UTF-16 and converted: the ANSI message has no size argument, and Wine converts it for a Unicode
// control through a stack buffer of 512 characters, which a longer entry overruns.
bool ReadPickerEntry(HWND combo, LRESULT index, TextBuffer& text)
{
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || length >= static_cast<LRESULT>(kTextBufferSize)) return false;
    wchar_t wide[kTextBufferSize] = {};
    if (SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide)) == CB_ERR) return false;
    if (!ToExactCodePage(wide, text, kTextBufferSize)) {
        text[0] = '\0';
        return false;
    }
    return true;
}

}  // namespace

void SavePickerToHistory(HWND dialog)
{
    HWND combo = GetDlgItem(dialog, IDC_TAG_COMBO);
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    HistoryAppender history(kHistoryFile);
    for (LRESULT index = 0; index < count; ++index) {
        TextBuffer text = {};
        if (ReadPickerEntry(combo, index, text)) history.Append(text);
    }
}
