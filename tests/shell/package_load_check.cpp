// Loads the unpacked release files under Wine: package_load_check FOLDER. Gets ShellExt.dll's class factory through
// its exports, then starts Tagrin.exe, waits for its window and closes it. Exit code 0 when all went well.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <string>

#include "res/extension_class.h"

namespace {

const DWORD kStartWait = 20000;
const DWORD kCloseWait = 10000;

int Fail(const char* what)
{
    std::fprintf(stderr, "package_load_check: %s (error %lu)\n", what, GetLastError());
    return 1;
}

using GetClassObjectFunction = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);

int CheckExtension(const std::string& folder)
{
    HMODULE module = LoadLibraryA((folder + "\\ShellExt.dll").c_str());
    if (module == nullptr) return Fail("ShellExt.dll does not load");
    for (const char* name : {"DllGetClassObject", "DllCanUnloadNow", "DllRegisterServer", "DllUnregisterServer"}) {
        if (GetProcAddress(module, name) == nullptr) return Fail(name);
    }
    auto getClassObject =
        reinterpret_cast<GetClassObjectFunction>(reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    IClassFactory* factory = nullptr;
    if (FAILED(getClassObject(kExtensionClassId, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
        return Fail("no class factory");
    }
    factory->Release();
    FreeLibrary(module);
    return 0;
}

// The program's titled main window, which exists once start-up has finished.
HWND FindMainWindow(DWORD processId)
{
    for (DWORD waited = 0; waited < kStartWait; waited += 50) {
        HWND window = nullptr;
        while ((window = FindWindowExA(nullptr, window, nullptr, "Tagrin v1.0.0")) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == processId) return window;
        }
        Sleep(50);
    }
    return nullptr;
}

int CheckProgram(const std::string& folder)
{
    std::string commandLine = "\"" + folder + "\\Tagrin.exe\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        return Fail("Tagrin.exe does not start");
    }
    CloseHandle(process.hThread);
    int result = 0;
    HWND window = FindMainWindow(process.dwProcessId);
    if (!window) result = Fail("Tagrin.exe never showed its window");
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    if (WaitForSingleObject(process.hProcess, kCloseWait) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        result = Fail("Tagrin.exe did not close");
    } else if (GetExitCodeProcess(process.hProcess, &exitCode) && exitCode != 0) {
        result = Fail("Tagrin.exe ended with a nonzero exit code");
    }
    CloseHandle(process.hProcess);
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) return Fail("usage: package_load_check FOLDER");
    char folder[1024] = {};
    if (GetFullPathNameA(argv[1], sizeof folder, folder, nullptr) == 0) return Fail("bad folder");
    std::string path = folder;
    if (!path.empty() && path.back() == '\\') path.pop_back();
    if (CheckExtension(path) != 0 || CheckProgram(path) != 0) return 1;
    std::printf("package_load_check: ShellExt.dll and Tagrin.exe load\n");
    return 0;
}
