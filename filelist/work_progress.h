#pragma once
#include <windows.h>

// Long work (a batch of renames, an intake, a tag collection) runs inside a message handler and reports
// every step it takes, whether or not the step brings something. Twenty times a second the thread looks at
// its queue without taking anything out of it, so the window is never taken for hung and messages sent
// to it are answered. Once the work has run for half a second, the count label shows how far it is,
// repainted alone four times a second (a repaint costs a millisecond or more, so this keeps the label
// under 2% of the work). One piece of work at a time: an instance made while another lives shows nothing.
constexpr ULONGLONG kQueueLookEveryMs = 50;
constexpr ULONGLONG kProgressQuietMs = 500;
constexpr ULONGLONG kProgressRepaintEveryMs = 250;

class WorkProgress {
public:
    // format: a wsprintfA format with the count done and the total, e.g. "処理中 %u/%u".
    WorkProgress(HWND dialog, const char* format);
    ~WorkProgress();
    WorkProgress(const WorkProgress&) = delete;
    WorkProgress& operator=(const WorkProgress&) = delete;

    // True while work runs: what a look at the queue lets through must not start more work.
    static bool Running();

private:
    friend void ReportWorkProgress(unsigned done, unsigned total);
    friend bool WorkProgressDue();
    void Report(unsigned done, unsigned total);
    bool Due() const;

    HWND dialog_;
    const char* format_;
    bool active_;
    ULONGLONG start_;
    ULONGLONG looked_;
    ULONGLONG shown_ = 0;
};

// Tells the running work's progress how far it is; nothing without one. Cheap enough for every row.
void ReportWorkProgress(unsigned done, unsigned total);
// True when the running work's next report would look at the queue: a caller whose count costs a message
// reads it only then.
bool WorkProgressDue();
