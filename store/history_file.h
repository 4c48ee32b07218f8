#pragma once

// The tag history beside the program, as the picker names it when loading and saving.
constexpr char kHistoryFile[] = ".\\タグ.txt";
