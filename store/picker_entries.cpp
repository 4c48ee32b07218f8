#include "store/picker_entries.h"

#include <vector>

namespace {

// The combo box keeps its texts in UTF-16 and compares them without regard to letter case; the same
// conversion and the platform's own upper-casing (ASCII, full-width and other letters) give the key.
std::wstring Folded(std::wstring text) {
    if (!text.empty()) CharUpperBuffW(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::wstring Widened(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

}  // namespace

PickerEntries::PickerEntries(HWND combo) : combo_(combo) {
    const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
        if (length == CB_ERR) continue;
        std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
        if (SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data())) == CB_ERR) continue;
        folded_.insert(Folded(text.data()));
    }
}

bool PickerEntries::Contains(const char* tag) const {
    return folded_.count(Folded(Widened(tag))) != 0;
}

void PickerEntries::Add(const char* tag) {
    SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(tag));
    folded_.insert(Folded(Widened(tag)));
}
