#include "app/code_page_check.h"

#include <windows.h>

#include <cwchar>

#include "names/exact_spelling.h"

bool RefuseAnyCodePageButShiftJis()
{
    const UINT codePage = GetACP();
    if (codePage == kShiftJis) return false;
    // UTF-16 all through: no byte text can be trusted in this process.
    wchar_t message[2048] = {};
    std::swprintf(
        message, 2048,
        L"Tagrin を起動できません。何も変更していません。\n\n"
        L"Tagrin は Shift-JIS（コード ページ 932）で動きますが、この Windows では Tagrin のコード ページが %u です。"
        L"このままでは、ファイル名を取り違えるおそれがあります。\n"
        L"・Windows 10 で「ベータ: ワールドワイド言語サポートで Unicode UTF-8 を使用」をオンにしているときは、"
        L"オフにしてください（設定 → 時刻と言語 → 言語と地域 → 管理用の言語の設定 → システム ロケールの変更）。\n"
        L"・日本語以外の Windows では、システム ロケールを「日本語 (日本)」にするか、Windows 11 で使ってください。\n\n"
        L"Tagrin cannot start. Nothing was changed.\n\n"
        L"Tagrin works in code page 932 (Shift-JIS), but on this Windows it runs in code page %u, where it could take "
        L"one file name for another.\n"
        L"- On Windows 10 with \"Beta: Use Unicode UTF-8 for worldwide language support\" turned on, turn it off "
        L"(Settings > Time & Language > Language & region > Administrative language settings > Change system "
        L"locale).\n"
        L"- On Windows in another language, set the system locale to Japanese (Japan), or use Windows 11.",
        codePage, codePage);
    MessageBoxW(nullptr, message, L"Tagrin", MB_ICONERROR | MB_OK);
    return true;
}
