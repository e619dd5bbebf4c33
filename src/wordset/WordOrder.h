#pragma once

#include <string_view>

namespace WordOrder {

// The order of a sorted word set: alphabetical ignoring the case of ASCII
// letters, ties broken by byte order (so "Zebra" sorts among the z words and
// always beside "zebra" in the same place).
bool less(std::string_view a, std::string_view b);

// Text equality of the game: equal bytes, ignoring the case of ASCII letters.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

}
