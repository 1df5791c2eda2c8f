#pragma once
// Looking up codeplug values in the texts of a list box. Stored positions may be out of
// range (a damaged or older file); the rules below always give a usable entry.

#include <string>
#include <string_view>
#include <vector>

namespace px {

using TextList = std::vector<std::string>;

// The item at rIndex; a negative or too large index gives the first item; "" for an
// empty list.
std::string ListItemAt(const TextList& rList, int rIndex);

// The first item equal to rText, or the first item when none is; "" for an empty list.
std::string ListItemMatching(const TextList& rList, std::string_view rText);

// The position of the first item equal to rText; rDefault for an empty list or an empty
// text; 0 when not found.
int ListIndexOf(const TextList& rList, std::string_view rText, int rDefault);

// Appends rText unless an equal item is already there.
void AddListItemOnce(TextList& rList, std::string_view rText);

}  // namespace px
