#include "filelist/window_dpi.h"

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);

DpiForWindow FindDpiForWindow()
{
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (!user32) return nullptr;
    // Through void*: a FARPROC is taken for a function of another type.
    return reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
}

}  // namespace

UINT WindowDpi(HWND window)
{
    static const DpiForWindow dpiForWindow = FindDpiForWindow();
    if (dpiForWindow) {
        const UINT dpi = dpiForWindow(window);
        if (dpi != 0) return dpi;
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

int ScaleToDpi(int pixels, UINT dpi)
{
    return MulDiv(pixels, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI);
}
