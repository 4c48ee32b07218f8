#pragma once
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "store/store_write.h"
#include "text/text_buffer.h"

// Reads the next line (at most 1022 bytes) into buffer, trailing CR and LF removed.
// False at the end of the file.
bool ReadHistoryLine(std::FILE* stream, TextBuffer& buffer);
// Empties the tag combo box (IDC_TAG_COMBO) and offers the tags of ".\タグ.txt": each line trimmed of its blanks, once.
void LoadTagHistory(HWND dialog);
// Appends tag as a new last line unless the file already holds exactly that line.
void AppendTagToHistory(const char* fileName, const char* tag);

// Appends several tags to one history file as AppendTagToHistory does for each. The process knows the lines of
// the history its first append read and every append since: a later append (a batch's, the close's) reads only
// what another instance added after that, and the file whole again only when someone else changed it meanwhile
// (it stands neither as this process saw it nor as Tagrin last left it). The file is opened at the first tag that is
// not empty, so no tag means no file. The write goes as every store write goes (store_write.h).
class HistoryAppender {
public:
    explicit HistoryAppender(const char* fileName) : fileName_(fileName) {}
    ~HistoryAppender();
    HistoryAppender(const HistoryAppender&) = delete;
    HistoryAppender& operator=(const HistoryAppender&) = delete;

    void Append(const char* tag);

private:
    bool Open();

    const char* fileName_;
    // Taken with the first append and held to the end, past the record of what was written.
    std::optional<StoreWrite> write_;
    std::FILE* stream_ = nullptr;
    // The file may not, or could not, be written: no later tag is tried.
    bool stopped_ = false;
};
