#pragma once

// Every byte text of the program (names, tags, settings, the history) is Shift-JIS, and the platform's ANSI calls
// read them in the process's code page. Where that is not 932 (Windows 10 with its UTF-8 option, a Western
// system), they would take one file name for another: the user is told so in one box, readable on any system,
// and true is returned, before anything is read, written or renamed.
bool RefuseAnyCodePageButShiftJis();
