#include "filelist/work_progress.h"

#include "res/control_ids.h"
#include "text/text_buffer.h"

namespace {

WorkProgress* running = nullptr;

}  // namespace

WorkProgress::WorkProgress(HWND dialog, const char* format)
    : dialog_(dialog), format_(format), active_(running == nullptr), start_(GetTickCount64()), looked_(start_)
{
    if (active_) running = this;
}

WorkProgress::~WorkProgress()
{
    if (active_) running = nullptr;
}

bool WorkProgress::Running()
{
    return running != nullptr;
}

bool WorkProgress::Due() const
{
    return GetTickCount64() - looked_ >= kQueueLookEveryMs;
}

void WorkProgress::Report(unsigned done, unsigned total)
{
    const ULONGLONG now = GetTickCount64();
    if (now - looked_ < kQueueLookEveryMs) return;
    looked_ = now;
    if (now - start_ >= kProgressQuietMs && now - shown_ >= kProgressRepaintEveryMs) {
        shown_ = now;
        TextBuffer text = {};
        wsprintfA(text, format_, done, total);
        SetDlgItemTextA(dialog_, IDC_COUNT_LABEL, text);
        UpdateWindow(GetDlgItem(dialog_, IDC_COUNT_LABEL));
    }
    // Looking is enough for the platform to see a live window, and delivers what other threads and
    // processes send; input stays queued for the drain after.
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_NULL, WM_NULL, PM_NOREMOVE);
}

void ReportWorkProgress(unsigned done, unsigned total)
{
    if (running) running->Report(done, total);
}

bool WorkProgressDue()
{
    return running != nullptr && running->Due();
}
