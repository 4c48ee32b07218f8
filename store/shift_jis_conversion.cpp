#include "store/shift_jis_conversion.h"

#include <windows.h>

#include "store/file_names.h"
#include "store/held_back_files.h"
#include "store/text_form.h"
#include "store/whole_file.h"

namespace {

enum class Outcome { Readable, NoShiftJisSpelling, NotReplaced };

struct StoreFile {
    const char* fileName;
    const char* shownName;
    const char* whileHeldBack;
};

const StoreFile kStoreFiles[] = {
    {kSettingsFile, "設定.ini", "この実行では既定の設定を使い、このファイルには何も書き込みません。"},
    {kHistoryFile, "タグ.txt", "この実行ではタグの履歴を使わず、このファイルには何も追記しません。"},
};

// The text of a UTF-8 or UTF-16 file as UTF-16; false when it holds a broken sequence.
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

// Every character in the ANSI code page as it stands: no best-fit look-alike (a ¥ that became a
// backslash would change the file's meaning), no default character for one that has no spelling.
bool EncodeToShiftJis(const std::wstring& wide, std::string& bytes)
{
    if (wide.empty()) return true;
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length == 0) return false;
    bytes.assign(length, '\0');
    BOOL usedDefault = FALSE;
    const int written =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, &bytes[0], length, nullptr, &usedDefault);
    return written == length && !usedDefault;
}

Outcome ConvertToShiftJis(const char* fileName)
{
    std::string bytes;
    // A missing or unreadable file is handled by its readers as before.
    if (!ReadWholeFile(fileName, bytes)) return Outcome::Readable;
    const TextForm form = DetectTextForm(bytes);
    if (form == TextForm::ShiftJis) return Outcome::Readable;
    std::wstring wide;
    std::string converted;
    if (!DecodeToWide(bytes, form, wide) || !EncodeToShiftJis(wide, converted)) return Outcome::NoShiftJisSpelling;
    return ReplaceWholeFile(fileName, WithCrLfLineEnds(converted)) ? Outcome::Readable : Outcome::NotReplaced;
}

}  // namespace

std::string ConvertStoreFilesToShiftJis()
{
    std::string message;
    for (const StoreFile& file : kStoreFiles) {
        const Outcome outcome = ConvertToShiftJis(file.fileName);
        if (outcome == Outcome::Readable) continue;
        HoldBack(file.fileName);
        message += std::string("「") + file.shownName + "」を読めませんでした。";
        message += outcome == Outcome::NoShiftJisSpelling
                       ? "Shift-JIS にない文字（または壊れた文字）が含まれています。"
                       : "Shift-JIS に変換したファイルで置き換えられませんでした（書き込み禁止か、使用中です）。";
        message += std::string(file.whileHeldBack) + "\r\n\r\n";
    }
    if (message.empty()) return message;
    return message +
           "メモ帳で開き、Shift-JIS にない文字（ハングル、絵文字など）を書き換えてから、"
           "「名前を付けて保存」で文字コードに「ANSI」（Shift-JIS）を選んで保存し直してください。"
           "UTF-8 や UTF-16 で保存されたファイルは、次の起動で Shift-JIS に変換されます。";
}
