#include "store/store_encoding.h"

#include <windows.h>

#include <algorithm>

#include "names/exact_spelling.h"
#include "store/whole_file.h"
#include "store/write_record.h"

namespace {

// Whether the code page reads every byte: no lone lead byte, no trail byte out of range, no unassigned code.
bool ReadsAsShiftJis(const std::string& bytes)
{
    return bytes.empty() || MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, 0) != 0;
}

TextForm ExaminedForm(const std::string& bytes)
{
    const TextForm form = DetectTextForm(bytes);
    if (form != TextForm::Utf8) return form;
    std::wstring wide;
    std::string spelled;
    if (!DecodeToWide(bytes, form, wide)) return TextForm::ShiftJis;
    const bool spellable = ToExactCodePage(wide, spelled);
    const bool fromU3000 = std::any_of(wide.begin(), wide.end(), [](wchar_t c) { return c >= 0x3000; });
    // Half-width katakana and kanji pairs often read as UTF-8 of Latin, Greek or symbols.
    if (ReadsAsShiftJis(bytes) && (!spellable || !fromU3000)) return TextForm::ShiftJis;
    return TextForm::Utf8;
}

}  // namespace

bool FormOfStoreFile(const char* fileName, std::string& bytes, TextForm& form)
{
    form = TextForm::ShiftJis;
    if (IsAsLastWritten(fileName)) return true;
    if (!ReadWholeFile(fileName, bytes)) return false;
    form = ExaminedForm(bytes);
    return true;
}

bool DecodeToWide(const std::string& bytes, TextForm form, std::wstring& wide)
{
    const std::string body = bytes.substr(MarkLength(form));
    if (form == TextForm::Utf16LeWithMark || form == TextForm::Utf16BeWithMark) {
        if (body.size() % 2 != 0) return false;
        const int high = form == TextForm::Utf16LeWithMark ? 1 : 0;
        for (std::size_t i = 0; i < body.size(); i += 2) {
            const auto highByte = static_cast<unsigned char>(body[i + high]);
            const auto lowByte = static_cast<unsigned char>(body[i + 1 - high]);
            wide.push_back(static_cast<wchar_t>(highByte << 8 | lowByte));
        }
        return true;
    }
    if (body.empty()) return true;
    const int size = static_cast<int>(body.size());
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, body.data(), size, nullptr, 0);
    if (length == 0) return false;
    wide.assign(length, L'\0');
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, body.data(), size, &wide[0], length) == length;
}
