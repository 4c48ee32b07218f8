#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// Where a sorted combo box (CBS_SORT) puts entries added one by one with CB_ADDSTRING, worked out at
// once, so that they can be inserted at their places (CB_INSERTSTRING never sorts) without the box's
// own search for each. held: the box's entries in its order; added: the new entries in the order they
// would be added. Gives the index of every added entry in the box's list afterwards.
std::vector<std::size_t> SortedBoxPlaces(const std::vector<std::wstring>& held, const std::vector<std::wstring>& added);

// Puts texts into the box at their places (as SortedBoxPlaces gives them), in rising order of place, so
// that every entry before a place is already where it belongs; with redraw off, since with it on the
// list updates its scroll bar at every insert, which costs more than the insert.
void InsertAtPlaces(HWND combo, const std::vector<std::wstring>& texts, const std::vector<std::size_t>& places);

// The text as the box keeps it: converted from the ANSI code page.
std::wstring BoxText(const char* text);
