#pragma once

#include <string>
#include <string_view>
#include <vector>

// The word text format: one word per line, words kept byte for byte.
namespace WordText {

// Splits text into words, one per line. Lines may end in LF, CRLF or CR; a
// UTF-8 byte-order mark at the very start is not part of the first word. The
// first empty line ends the list, as the end of the text does.
std::vector<std::string> parse(std::string_view text);

// One line per word, each ended by LF; an empty list gives empty text.
std::string format(const std::vector<std::string> &words);

}
