#pragma once
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <unordered_set>

#include "store/store_lock.h"
#include "tags/core/text_buffer.h"

// Reads the next line (at most 1022 bytes) into buffer, trailing CR and LF removed.
// False at the end of the file.
bool ReadHistoryLine(std::FILE* stream, TextBuffer& buffer);
// Empties the tag combo box (1003) and offers the tags of ".\タグ.txt": each line trimmed of its blanks, once.
void LoadTagHistory(HWND dialog);
// Appends tag as a new last line unless the file already holds exactly that line.
void AppendTagToHistory(const char* fileName, const char* tag);

// Appends several tags to one history file as AppendTagToHistory does for each, reading the file once:
// the lines read so far are kept, and before each tag only what was appended since (by this or another
// instance) is read. The file is opened at the first tag that is not empty, so no tag means no file. The
// first write that fails is noted for the user (failed_write.h), and the appender tries no more.
class HistoryAppender {
public:
    explicit HistoryAppender(const char* fileName) : fileName_(fileName) {}
    ~HistoryAppender();
    HistoryAppender(const HistoryAppender&) = delete;
    HistoryAppender& operator=(const HistoryAppender&) = delete;

    void Append(const char* tag);

private:
    void Stop();

    const char* fileName_;
    // Held from the first append to the end, past the record of what was written.
    std::optional<StoreLock> lock_;
    std::FILE* stream_ = nullptr;
    // The file may not, or could not, be written: no later tag is tried.
    bool stopped_ = false;
    bool wrote_ = false;
    // Whether the last line read ended with a line end; a new tag must not join an unterminated line.
    bool endsWithLineEnd_ = true;
    std::unordered_set<std::string> lines_;
};
