#include "app/work_area.h"

namespace {

bool pretending = false;
RECT pretendedArea = {};

// The monitor's rectangle and work area; false when the system cannot tell them.
bool MonitorInfo(HMONITOR monitor, MONITORINFO* info)
{
    *info = {};
    info->cbSize = sizeof *info;
    return monitor && GetMonitorInfoA(monitor, info);
}

bool AsLarge(const RECT& rect, int width, int height)
{
    return rect.right - rect.left >= width && rect.bottom - rect.top >= height;
}

struct MonitorSearch {
    int width;
    int height;
    bool found;
};

BOOL CALLBACK FindMonitorAsLarge(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    auto* search = reinterpret_cast<MonitorSearch*>(data);
    MONITORINFO info;
    search->found = MonitorInfo(monitor, &info) && AsLarge(info.rcMonitor, search->width, search->height);
    return search->found ? FALSE : TRUE;
}

}  // namespace

bool WorkAreaOf(const RECT& rect, bool nearest, RECT* area)
{
    RECT met;
    if (pretending) {
        *area = pretendedArea;
        return nearest || IntersectRect(&met, &rect, area);
    }
    MONITORINFO info;
    if (!MonitorInfo(MonitorFromRect(&rect, nearest ? MONITOR_DEFAULTTONEAREST : MONITOR_DEFAULTTONULL), &info)) {
        return false;
    }
    *area = info.rcWork;
    return nearest || IntersectRect(&met, &rect, area);
}

RECT PrimaryWorkArea()
{
    if (pretending) return pretendedArea;
    // The primary monitor is the one whose corner is the origin.
    MONITORINFO info;
    MonitorInfo(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}

bool LargerThanEveryMonitor(int width, int height)
{
    if (pretending) return !AsLarge(pretendedArea, width, height);
    MonitorSearch search = {width, height, false};
    EnumDisplayMonitors(nullptr, nullptr, FindMonitorAsLarge, reinterpret_cast<LPARAM>(&search));
    return !search.found;
}

POINT WorkspaceOrigin(const RECT& rect)
{
    MONITORINFO info;
    if (!MonitorInfo(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info)) return POINT{0, 0};
    return POINT{info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

void PretendWorkAreaForTests(const RECT* area)
{
    pretending = area != nullptr;
    if (area) pretendedArea = *area;
}
