// Stands in for ShellExt.dll in the test of the registration wait: each registration notes itself in
// "registrations.log" in the working directory, says it has begun, and waits until the test lets it go
// (bounded, so that nothing hangs). It registers nothing.
#include <windows.h>

namespace {

HRESULT Register()
{
    HANDLE log = CreateFileW(L"registrations.log", FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (log != INVALID_HANDLE_VALUE) WriteFile(log, "x", 1, &written, nullptr);
    if (log != INVALID_HANDLE_VALUE) CloseHandle(log);
    HANDLE began = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"Local\\TagrinTestRegistrationBegan");
    HANDLE go = OpenEventW(SYNCHRONIZE, FALSE, L"Local\\TagrinTestRegistrationGo");
    if (began) SetEvent(began);
    if (go) WaitForSingleObject(go, 60000);
    if (began) CloseHandle(began);
    if (go) CloseHandle(go);
    return S_OK;
}

}  // namespace

extern "C" HRESULT __stdcall DllRegisterServer()
{
    return Register();
}

extern "C" HRESULT __stdcall DllUnregisterServer()
{
    return Register();
}
