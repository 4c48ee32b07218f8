#include "app/window_place.h"

#include <algorithm>

#include "app/work_area.h"
#include "filelist/list_view.h"
#include "filelist/window_dpi.h"

namespace {

static_assert(kSavedColumnCount == kFileListColumnCount, "a saved width for each column");

int Width(const RECT& rect)
{
    return rect.right - rect.left;
}
int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

// Made no larger than area, then moved the least way that puts it inside.
RECT FitInside(const RECT& frame, const RECT& area)
{
    const int width = std::min(Width(frame), Width(area));
    const int height = std::min(Height(frame), Height(area));
    const int left = std::max<int>(area.left, std::min<int>(frame.left, area.right - width));
    const int top = std::max<int>(area.top, std::min<int>(frame.top, area.bottom - height));
    return {left, top, left + width, top + height};
}

// Pixels at dpi as pixels at 96 DPI. Both ways round to the nearest, so at 96 DPI and above a saved value that
// comes back at the same DPI is saved again unchanged.
int To96(int pixels, UINT dpi)
{
    return MulDiv(pixels, USER_DEFAULT_SCREEN_DPI, static_cast<int>(dpi));
}

// The saved window at dpi; false when none was taken or no monitor is as large.
bool SavedFrame(const WindowSettings& saved, UINT dpi, RECT* frame)
{
    if (!saved.frameTaken) return false;
    const int left = ScaleToDpi(saved.x, dpi);
    const int top = ScaleToDpi(saved.y, dpi);
    const RECT wanted = {left, top, left + ScaleToDpi(saved.width, dpi), top + ScaleToDpi(saved.height, dpi)};
    if (LargerThanEveryMonitor(Width(wanted), Height(wanted))) return false;
    *frame = wanted;
    return true;
}

}  // namespace

void PlaceMainWindow(HWND dialog, const WindowSettings& saved)
{
    SetColumnWidthsAt96(dialog, saved.columns);
    // As the template lays it out, centred on the screen.
    RECT frame;
    GetWindowRect(dialog, &frame);
    RECT area;
    if (SavedFrame(saved, WindowDpi(dialog), &frame) && !WorkAreaOf(frame, false, &area)) {
        // Its monitor is gone, or the screen has shrunk: the saved size, centred in the primary work area.
        area = PrimaryWorkArea();
        OffsetRect(&frame, area.left + (Width(area) - Width(frame)) / 2 - frame.left,
                   area.top + (Height(area) - Height(frame)) / 2 - frame.top);
    }
    MoveMainWindowInside(dialog, frame);
}

void MoveMainWindowInside(HWND dialog, RECT frame)
{
    RECT area;
    if (WorkAreaOf(frame, true, &area)) frame = FitInside(frame, area);
    // The list takes the change of height through WM_SIZE; the controls above it stay where they are.
    SetWindowPos(dialog, nullptr, frame.left, frame.top, Width(frame), Height(frame), SWP_NOZORDER | SWP_NOACTIVATE);
}

WindowSettings TakeWindowSettings(HWND dialog)
{
    RECT frame;
    GetWindowRect(dialog, &frame);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if ((IsIconic(dialog) || IsZoomed(dialog)) && GetWindowPlacement(dialog, &placement)) {
        // Minimised or maximised: the place it would be restored to, given from the work area's corner.
        frame = placement.rcNormalPosition;
        const POINT origin = WorkspaceOrigin(frame);
        OffsetRect(&frame, origin.x, origin.y);
    }
    const UINT dpi = WindowDpi(dialog);
    WindowSettings settings = {
        To96(frame.left, dpi), To96(frame.top, dpi), To96(Width(frame), dpi), To96(Height(frame), dpi), true, {}};
    GetColumnWidthsAt96(dialog, settings.columns);
    return settings;
}
