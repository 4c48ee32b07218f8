#pragma once

// The files beside the program (start-up makes its folder the current directory): the settings, read at
// the moment of use, the append-only tag history, and the record of what Tagrin last left in those two.
constexpr char kSettingsFile[] = ".\\設定.ini";
constexpr char kHistoryFile[] = ".\\タグ.txt";
constexpr char kWriteRecordFile[] = ".\\書き込み記録.dat";
