#include "store/tag_history.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "res/control_ids.h"
#include "store/failed_write.h"
#include "store/file_names.h"
#include "store/held_back_files.h"
#include "store/picker_entries.h"
#include "store/write_record.h"
#include "tags/core/dbcs_text.h"
#include "names/exact_spelling.h"

namespace {

// One read of at most 1022 bytes (a text buffer read with a limit of one byte less than its size).
constexpr int kLineReadLimit = static_cast<int>(kTextBufferSize) - 1;

// Reads one piece of a line and removes the run of CR and LF bytes at its end (neither byte
// occurs inside a double-byte character, so walking back is safe). endedWithLineEnd tells
// whether the piece read was closed by a line feed.
bool ReadLine(std::FILE* stream, TextBuffer& buffer, bool* endedWithLineEnd)
{
    if (!std::fgets(buffer, kLineReadLimit, stream)) return false;
    std::size_t length = std::strlen(buffer);
    *endedWithLineEnd = length > 0 && buffer[length - 1] == '\n';
    while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r')) buffer[--length] = '\0';
    return true;
}

}  // namespace

bool ReadHistoryLine(std::FILE* stream, TextBuffer& buffer)
{
    bool endedWithLineEnd = false;
    return ReadLine(stream, buffer, &endedWithLineEnd);
}

namespace {

// Sorts texts as the box sorts (its locale, letter case ignored), equal texts in the order given. The sort
// keys of that comparison order texts as the comparison does at a fraction of its cost; the comparison of
// each neighbour pair confirms the order. False when it does not hold.
bool SortAsTheBox(HWND combo, std::vector<std::wstring>& texts)
{
    const LCID locale = static_cast<LCID>(SendMessageW(combo, CB_GETLOCALE, 0, 0));
    std::vector<std::pair<std::string, std::size_t>> keys(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) keys[i] = {BoxSortKey(locale, texts[i].c_str()), i};
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::wstring> sorted;
    sorted.reserve(texts.size());
    for (const auto& entry : keys) sorted.push_back(std::move(texts[entry.second]));
    texts = std::move(sorted);
    for (std::size_t i = 1; i < texts.size(); ++i) {
        const int order = CompareStringW(locale, NORM_IGNORECASE, texts[i - 1].c_str(), -1, texts[i].c_str(), -1);
        if (order != CSTR_LESS_THAN && order != CSTR_EQUAL) return false;
    }
    return true;
}

}  // namespace

void LoadTagHistory(HWND dialog)
{
    // Emptied first, so a missing file leaves an empty list.
    HWND combo = GetDlgItem(dialog, IDC_TAG_COMBO);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    if (IsHeldBack(kHistoryFile)) return;
    std::FILE* stream = std::fopen(kHistoryFile, "rt");
    if (!stream) return;
    std::vector<std::wstring> texts;
    std::size_t characters = 0;
    TextBuffer line = {};
    wchar_t wide[kTextBufferSize];
    // A tag's blanks are no part of it: a padded line of an older run is offered as the tag it holds, and
    // once beside the same tag unpadded. The file keeps every line as it is.
    std::unordered_set<std::string> offered;
    while (ReadHistoryLine(stream, line)) {
        TrimBlanks(line);
        if (line[0] == '\0' || !offered.insert(line).second) continue;
        if (MultiByteToWideChar(kShiftJis, 0, line, -1, wide, kTextBufferSize) == 0) continue;
        texts.emplace_back(wide);
        characters += texts.back().size() + 1;
    }
    std::fclose(stream);
    // Added one by one, the box searches its list for every line and moves the entries after its place; in
    // its order, every line is appended. With redraw on, the list would update its scroll bar at every line.
    const bool sorted = SortAsTheBox(combo, texts);
    SendMessageW(combo, CB_INITSTORAGE, texts.size(), characters * sizeof(wchar_t));
    SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    for (const std::wstring& text : texts) {
        SendMessageW(combo, sorted ? CB_INSERTSTRING : CB_ADDSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
}

void AppendTagToHistory(const char* fileName, const char* tag)
{
    HistoryAppender(fileName).Append(tag);
}

HistoryAppender::~HistoryAppender()
{
    if (stream_) std::fclose(stream_);
    // Still under the lock: the record matches the file as this appender leaves it.
    if (wrote_) RecordWritten(fileName_);
}

void HistoryAppender::Append(const char* tag)
{
    if (!tag || tag[0] == '\0' || stopped_) return;
    if (!stream_) {
        lock_.emplace();
        // Checked under the lock, where no other instance appends meanwhile.
        if (!MayWriteStoreFile(fileName_)) {
            stopped_ = true;
            return;
        }
        stream_ = std::fopen(fileName_, "at+");
        if (!stream_) {
            Stop();
            return;
        }
        std::fseek(stream_, 0, SEEK_SET);
    }
    // The stream stands where the last read or write ended: what follows is new to this appender.
    TextBuffer line = {};
    while (ReadLine(stream_, line, &endsWithLineEnd_)) lines_.insert(line);
    if (lines_.count(tag) != 0) return;
    // Switching from reading to writing needs a positioning call; append mode writes at the end anyway.
    std::fseek(stream_, 0, SEEK_END);
    // A hand-edited file may end without a line end; the new tag must not join that last line. Written
    // through, so that another instance finds it; the next read goes on after it.
    wrote_ = true;
    if ((!endsWithLineEnd_ && std::fputc('\n', stream_) == EOF) || std::fprintf(stream_, "%s\n", tag) < 0 ||
        std::fflush(stream_) != 0) {
        Stop();
        return;
    }
    endsWithLineEnd_ = true;
    lines_.insert(tag);
}

// Told once, with the error of the call that failed; no later tag is tried.
void HistoryAppender::Stop()
{
    NoteFailedWrite(fileName_, GetLastError());
    stopped_ = true;
}
