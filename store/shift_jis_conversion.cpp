#include "store/shift_jis_conversion.h"

#include <windows.h>

#include "names/exact_spelling.h"
#include "store/file_names.h"
#include "store/held_back_files.h"
#include "store/store_encoding.h"
#include "store/store_lock.h"
#include "store/store_write.h"
#include "store/whole_file.h"

namespace {

enum class Outcome { Readable, NoShiftJisSpelling, NoBackup, NotReplaced };

struct StoreFile {
    const char* fileName;
    const char* shownName;
    const char* whileHeldBack;
};

const StoreFile kStoreFiles[] = {
    {kSettingsFile, "設定.ini", "この実行では既定の設定を使い、このファイルには何も書き込みません。"},
    {kHistoryFile, "タグ.txt", "この実行ではタグの履歴を使わず、このファイルには何も追記しません。"},
};

Outcome ConvertToShiftJis(const char* fileName)
{
    std::string bytes;
    TextForm form = TextForm::ShiftJis;
    // A missing or unreadable file is handled by its readers as before.
    if (!FormOfStoreFile(fileName, bytes, form) || form == TextForm::ShiftJis) return Outcome::Readable;
    std::wstring wide;
    std::string converted;
    if (!DecodeToWide(bytes, form, wide) || !ToExactCodePage(wide, converted)) return Outcome::NoShiftJisSpelling;
    // The original, byte for byte, stands beside the file before anything replaces it.
    if (!ReplaceWholeFile((std::string(fileName) + ".bak").c_str(), bytes)) return Outcome::NoBackup;
    StoreWrite write(fileName, StoreWrite::Kind::kConversion);
    return write.Wrote(ReplaceWholeFile(fileName, WithCrLfLineEnds(converted))) ? Outcome::Readable
                                                                                : Outcome::NotReplaced;
}

std::string Reason(Outcome outcome, const char* shownName)
{
    switch (outcome) {
    case Outcome::NoShiftJisSpelling:
        return "Shift-JIS にない文字（または壊れた文字）が含まれています。";
    case Outcome::NoBackup:
        return std::string("元のファイルを「") + shownName + ".bak」として残せないため、変換していません" +
               "（書き込み禁止か、同じ名前のフォルダがあります）。";
    default:
        return "Shift-JIS に変換したファイルで置き換えられませんでした（書き込み禁止か、使用中です）。";
    }
}

}  // namespace

std::string ConvertStoreFilesToShiftJis()
{
    StoreLock lock;
    std::string message;
    bool unspellable = false;
    bool unwritable = false;
    for (const StoreFile& file : kStoreFiles) {
        const Outcome outcome = ConvertToShiftJis(file.fileName);
        if (outcome == Outcome::Readable) continue;
        HoldBack(file.fileName);
        unspellable = unspellable || outcome == Outcome::NoShiftJisSpelling;
        unwritable = unwritable || outcome != Outcome::NoShiftJisSpelling;
        message += std::string("「") + file.shownName + "」を読めませんでした。" + Reason(outcome, file.shownName);
        message += std::string(file.whileHeldBack) + "\r\n\r\n";
    }
    // Only a file in UTF-8 or UTF-16 is ever unspellable: saving it as ANSI is what it needs.
    if (unspellable) {
        message +=
            "メモ帳で開き、Shift-JIS にない文字（ハングル、絵文字など）を書き換えてから、"
            "「名前を付けて保存」で文字コードに「ANSI」（Shift-JIS）を選んで保存し直してください。"
            "UTF-8 や UTF-16 で保存されたファイルは、次の起動で Shift-JIS に変換されます。";
    }
    if (unspellable && unwritable) message += "\r\n\r\n";
    if (unwritable) {
        message +=
            "フォルダに書き込めるようにし、ファイルを使っているプログラムを閉じてから起動し直すと、"
            "Shift-JIS に変換します。";
    }
    return message;
}
