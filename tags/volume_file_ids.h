#pragma once

#include <cstddef>

// Which file ID tells a file apart on its volume. A file ID counts as part of a file's identity only where the
// file system keeps it stable across renames and unique: FAT may give a file another ID when it is renamed to
// a longer name, and ReFS guarantees uniqueness only for its 128-bit IDs.
enum class FileIdKind {
    kNone,   // FAT, FAT32, exFAT, a network file system that names none, an unknown one: times and size only
    kId64,   // NTFS: the 64-bit ID (FileInternalInformation)
    kId128,  // ReFS: the 128-bit ID (FileIdInfo)
};

// The rule over the file-system name GetVolumeInformationW gives ("NTFS", "ReFS", "FAT32", "exFAT", …).
FileIdKind FileIdKindOf(const wchar_t* fileSystemName);

// The root of a full path as its text spells it: "C:\" of a drive, "\\server\share\" of a share. False (and an
// empty root) for any other form.
bool VolumeRootOf(const wchar_t* fullPath, wchar_t* root, std::size_t rootSize);

// The kind of ID the volume of a full path keeps. Each root's file system is asked once and remembered until
// ForgetVolumes: a batch asks each of its volumes once, whatever the number of its files.
FileIdKind FileIdKindOfVolume(const wchar_t* fullPath);

// A batch begins: its volumes are asked anew, as a drive letter may name another stick by now.
void ForgetVolumes();

// Where a root's file-system name comes from: GetVolumeInformationW, unless a test puts a source of its own in
// its place (null puts the platform's back). Either way the names asked so far are forgotten. A source writes
// the name into name (nameSize units) and returns false when it cannot tell.
using FileSystemNameSource = bool (*)(const wchar_t* root, wchar_t* name, std::size_t nameSize);
void SetFileSystemNameSource(FileSystemNameSource source);
