#pragma once

// The two files beside the program (start-up makes its folder the current directory): the settings, read at
// the moment of use, and the append-only tag history.
constexpr char kSettingsFile[] = ".\\設定.ini";
constexpr char kHistoryFile[] = ".\\タグ.txt";
