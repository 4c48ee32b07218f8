#include "store/tag_history.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "res/control_ids.h"
#include "store/file_names.h"
#include "store/held_back_files.h"
#include "store/picker_entries.h"
#include "store/store_path.h"
#include "store/write_record.h"
#include "text/dbcs_text.h"
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

// What this process knows of the history file (by its full path): its lines up to readTo and how the file
// stood after that read or the last append. The first append of a run reads the file whole; start-up, which
// reads it for the picker, keeps none of it, for a start costs more than one read of the file.
struct KnownHistory {
    std::wstring path;
    std::unordered_set<std::string> lines;
    long readTo = 0;
    bool endsWithLineEnd = true;
    FileStamp stamp;
};

KnownHistory& Known()
{
    static KnownHistory known;
    return known;
}

// Nothing known of the file at path yet: it is read from its start.
void StartKnowing(KnownHistory& known, const std::wstring& path)
{
    known = KnownHistory();
    known.path = path;
}

// Reads the lines from where the stream stands to its end into the known lines. Where that end lies is taken
// once the stream is done with: a text stream counts its line ends to tell.
void ReadOnInto(std::FILE* stream, KnownHistory& known)
{
    TextBuffer line = {};
    while (ReadLine(stream, line, &known.endsWithLineEnd)) known.lines.insert(line);
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
    if (!stream_) return;
    Known().readTo = std::ftell(stream_);
    std::fclose(stream_);
    KnownHistory& known = Known();
    if (!StampOfFile(fileName_, &known.stamp)) known.path.clear();
}

// Opens the file for appending, positioned after what this process knows of it.
bool HistoryAppender::Open()
{
    write_.emplace(fileName_);
    if (!write_->MayWrite()) return false;
    stream_ = std::fopen(fileName_, "at+");
    if (!stream_) {
        write_->Wrote(false);
        return false;
    }
    KnownHistory& known = Known();
    const std::wstring path = StoreFilePath(fileName_);
    FileStamp now;
    // Only Tagrin appends to a file as Tagrin left it: what it holds up to readTo is still what was read.
    const bool stillKnown = !path.empty() && known.path == path && StampOfFile(fileName_, &now) &&
                            now.size >= static_cast<unsigned long long>(known.readTo) &&
                            (now == known.stamp || IsAsLastWritten(fileName_));
    if (!stillKnown) StartKnowing(known, path);
    std::fseek(stream_, known.readTo, SEEK_SET);
    return true;
}

void HistoryAppender::Append(const char* tag)
{
    if (!tag || tag[0] == '\0' || stopped_) return;
    if (!stream_ && !Open()) {
        stopped_ = true;
        return;
    }
    // The stream stands where the last read or write ended: what follows is new to this process.
    KnownHistory& known = Known();
    ReadOnInto(stream_, known);
    if (known.lines.count(tag) != 0) return;
    // Switching from reading to writing needs a positioning call; append mode writes at the end anyway.
    std::fseek(stream_, 0, SEEK_END);
    // A hand-edited file may end without a line end; the new tag must not join that last line. Written
    // through, so that another instance finds it; the next read goes on after it.
    const bool written = (known.endsWithLineEnd || std::fputc('\n', stream_) != EOF) &&
                         std::fprintf(stream_, "%s\n", tag) >= 0 && std::fflush(stream_) == 0;
    if (!write_->Wrote(written)) {
        stopped_ = true;
        return;
    }
    known.endsWithLineEnd = true;
    known.lines.insert(tag);
}
