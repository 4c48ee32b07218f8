#include "store/window_settings.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "store/file_names.h"
#include "store/settings.h"
#include "store/store_write.h"

namespace {

// Written by Tagrin at every close; the user's guide names each key.
constexpr char kWindowSection[] = "ウィンドウ";

// Each value's key and range, read and written alike, so that what is written reads back. A place may be
// negative (a monitor left of or above the primary one), a size is a pixel at least, and a column the user
// dragged shut stays shut.
struct WindowKey {
    const char* name;
    int least;
};
const WindowKey kFrameKeys[] = {{"x", -kMaxWindowPixels}, {"y", -kMaxWindowPixels}, {"width", 1}, {"height", 1}};
const WindowKey kColumnKeys[] = {{"column1", 0}, {"column2", 0}, {"column3", 0}, {"column4", 0}};
static_assert(sizeof kColumnKeys / sizeof kColumnKeys[0] == kSavedColumnCount, "a key for each column");

bool ReadWindowKey(const WindowKey& key, int* value)
{
    return ReadSettingsNumber(kWindowSection, key.name, key.least, kMaxWindowPixels, value);
}

// Within the range the reader takes, so that whatever is written reads back.
void WriteWindowKey(StoreWrite& write, const WindowKey& key, int value)
{
    const std::string text = std::to_string(std::clamp(value, key.least, kMaxWindowPixels));
    if (!write.MayWrite()) return;
    write.Wrote(WritePrivateProfileStringA(kWindowSection, key.name, text.c_str(), kSettingsFile) != FALSE);
}

}  // namespace

void ReadWindowSettings(WindowSettings& settings)
{
    int* const frame[] = {&settings.x, &settings.y, &settings.width, &settings.height};
    settings.frameTaken = true;
    for (int i = 0; i < 4; ++i) settings.frameTaken = ReadWindowKey(kFrameKeys[i], frame[i]) && settings.frameTaken;
    for (int i = 0; i < kSavedColumnCount; ++i) {
        if (!ReadWindowKey(kColumnKeys[i], &settings.columns[i])) settings.columns[i] = -1;
    }
}

void SaveWindowSettings(const WindowSettings& settings)
{
    StoreWrite write(kSettingsFile);
    const int frame[] = {settings.x, settings.y, settings.width, settings.height};
    for (int i = 0; i < 4; ++i) WriteWindowKey(write, kFrameKeys[i], frame[i]);
    for (int i = 0; i < kSavedColumnCount; ++i) WriteWindowKey(write, kColumnKeys[i], settings.columns[i]);
}
