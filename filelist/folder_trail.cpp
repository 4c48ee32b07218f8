#include "filelist/folder_trail.h"

#include <windows.h>

namespace {

bool ReadIdentity(const char* folder, unsigned long* volume, unsigned long long* index)
{
    // No access is asked for: the handle only serves to read what the folder is.
    HANDLE handle = CreateFileA(folder, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION information;
    bool read = GetFileInformationByHandle(handle, &information) != FALSE;
    CloseHandle(handle);
    if (!read) {
        return false;
    }
    *volume = information.dwVolumeSerialNumber;
    *index = (static_cast<unsigned long long>(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    return true;
}

bool TrailIdentity(const FolderTrail& step, unsigned long* volume, unsigned long long* index)
{
    if (!step.identityRead) {
        step.identityRead = true;
        step.identityKnown = ReadIdentity(step.folder, &step.volume, &step.index);
    }
    *volume = step.volume;
    *index = step.index;
    return step.identityKnown;
}

}  // namespace

FolderTrail TrailStep(const char* folder, const FolderTrail* outer)
{
    return FolderTrail{folder, outer, false, false, 0, 0};
}

bool LeadsBackIntoTrail(const char* folder, const FolderTrail* trail)
{
    unsigned long volume = 0;
    unsigned long long index = 0;
    // A link that cannot be opened (dangling, or no access) could not be searched anyway.
    if (!ReadIdentity(folder, &volume, &index)) {
        return true;
    }
    for (const FolderTrail* step = trail; step != nullptr; step = step->outer) {
        unsigned long stepVolume = 0;
        unsigned long long stepIndex = 0;
        if (TrailIdentity(*step, &stepVolume, &stepIndex) && stepVolume == volume && stepIndex == index) {
            return true;
        }
    }
    return false;
}
