#pragma once

#include "filelist/core/row_result.h"
#include "tags/volume_file_ids.h"

// A rename that knows which file it moved. The file is opened once, its identity read and the rename made
// through that same handle, so the check and the move concern one file, and a file put in its place between
// the two is never moved. Under Wine this costs what MoveFileA costs, which opens the file as well; the file ID
// comes without the volume query GetFileInformationByHandle makes, which costs more than two renames there: the
// file system, which decides what the ID is worth, is asked once per volume (volume_file_ids.h).

// A file as a rename leaves it: the creation time, last-write time and size, which a rename keeps, and its file
// ID where the volume keeps one stable and unique (volume_file_ids.h). Files unpacked from one archive can
// share the times and the size; the file ID tells them apart, and the times and size tell a file from a new
// one given the ID of a deleted one. Where the volume keeps no ID (FAT, exFAT), a file put in place with the
// same times and size cannot be told from the one renamed.
struct FileIdentity {
    FileIdKind idKind = FileIdKind::kNone;
    unsigned char id[16] = {};  // the 64-bit ID in its first eight bytes
    long long created = 0;
    long long written = 0;
    long long size = 0;
    bool known = false;
};

// The same file: both known, of one kind of ID, and the same ID where they carry one, times and size.
bool SameFile(const FileIdentity& a, const FileIdentity& b);

// Renames the plain file at from to to, never replacing anything (a file or folder at to makes it fail), and
// never a folder. With expected, only the file of that identity is moved: any other stays where it is. moved,
// when given, gets the identity of the file (unknown when it could not be read). kRenamed, or why not.
RowResult MoveIdentifiedFile(const char* from, const char* to, const FileIdentity* expected, FileIdentity* moved);
