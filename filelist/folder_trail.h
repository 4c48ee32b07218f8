#pragma once

// The folders a scan is inside, innermost first: a linked folder (a symbolic link or a junction) that
// leads back to one of them would make the scan endless, so it is not entered again. Folders are told
// apart by what they are (volume and file index), not by how their paths are spelled.
struct FolderTrail {
    const char* folder;
    const FolderTrail* outer;
    // Filled the first time a linked folder is compared with this one.
    mutable bool identityRead;
    mutable bool identityKnown;
    mutable unsigned long volume;
    mutable unsigned long long index;
};

FolderTrail TrailStep(const char* folder, const FolderTrail* outer);

// Whether folder is one of the folders of the trail, or cannot be opened to tell.
bool LeadsBackIntoTrail(const char* folder, const FolderTrail* trail);
