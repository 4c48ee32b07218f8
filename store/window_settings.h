#pragma once

// The main window as the user left it, in a section of ".\設定.ini" of its own: its normal place and size and the
// widths of the list's columns, all in pixels at 96 DPI, so that a start at another scaling lays it out the same.
// Written at every close; at start-up each value is taken whole and in range, or not at all.
constexpr int kSavedColumnCount = 4;
// Larger than any screen and any column: a value beyond it was not written by Tagrin.
constexpr int kMaxWindowPixels = 32767;

struct WindowSettings {
    int x;
    int y;
    int width;
    int height;
    // All four were taken; otherwise the window opens as the dialog lays it out.
    bool frameTaken;
    // A width of each column, left to right; -1 where none was taken, giving the column's default.
    int columns[kSavedColumnCount];
};
void ReadWindowSettings(WindowSettings& settings);
// Writes the section's keys and no other.
void SaveWindowSettings(const WindowSettings& settings);
