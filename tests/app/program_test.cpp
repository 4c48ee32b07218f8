// The real Tagrin.exe as a user starts it: copied into a program folder of its own, started from another
// working directory with paths on its command line, closed from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/sjis.h"
#include "support/temp_folder.h"

namespace {

// The build hands over the Linux path of Tagrin.exe; Wine maps / to drive Z:.
std::string BuiltProgramPath() {
    std::string path = "Z:" TAGRIN_EXE_PATH;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

HWND WaitForWindow(const char* title, DWORD processId, DWORD milliseconds) {
    for (DWORD waited = 0; waited < milliseconds; waited += 50) {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, nullptr, title)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId) return window;
        }
        Sleep(50);
    }
    return nullptr;
}

TEST(Program, StartsInItsOwnFolderListsItsCommandLineAndExitsWithZeroOnClose) {
    TempProgramFolder root;
    const std::string programFolder = root.Join("プログラム 表");
    const std::string workFolder = root.Join("work");
    ASSERT_TRUE(MakeFolder(programFolder));
    ASSERT_TRUE(MakeFolder(workFolder + "\\docs"));
    const std::string program = programFolder + "\\Tagrin.exe";
    ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), program.c_str(), FALSE)) << BuiltProgramPath();
    ASSERT_TRUE(WriteFileBytes(workFolder + "\\My Docs.txt", "a"));
    ASSERT_TRUE(WriteFileBytes(workFolder + "\\docs\\one.txt", "b"));
    ASSERT_TRUE(WriteFileBytes(workFolder + "\\docs\\two.txt", "c"));

    // A quoted path with blanks, a folder (searched by default) and a relative path, which resolves
    // against the program folder, not the working directory.
    std::string commandLine = "\"" + program + "\" \"" + workFolder + "\\My Docs.txt\" " + workFolder +
                              "\\docs relative.txt";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               workFolder.c_str(), &startup, &process));

    HWND window = WaitForWindow("Tagrin v1.0.0", process.dwProcessId, 30000);
    ASSERT_TRUE(window) << "no window titled Tagrin v1.0.0";
    char count[64] = {};
    SendMessageTimeoutA(GetDlgItem(window, 1011), WM_GETTEXT, sizeof count, reinterpret_cast<LPARAM>(count),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    EXPECT_STREQ(count, "合計 4件");

    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(FileExists(programFolder + "\\設定.ini"));
    EXPECT_FALSE(FileExists(workFolder + "\\設定.ini"));
}

TEST(Program, TheExecutableNeedsNoDllBesideIt) {
    // Static runtime: only system DLLs are imported.
    HMODULE image = LoadLibraryExA(BuiltProgramPath().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_TRUE(image);
    auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(image) & ~ULONG_PTR(3));
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    ASSERT_NE(imports.VirtualAddress, 0u);
    for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         entry->Name; ++entry) {
        std::string dll = reinterpret_cast<const char*>(base + entry->Name);
        for (char& c : dll) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(dll.find("libstdc++") == std::string::npos && dll.find("libgcc") == std::string::npos &&
                    dll.find("winpthread") == std::string::npos)
            << dll;
    }
    FreeLibrary(image);
}

}  // namespace
