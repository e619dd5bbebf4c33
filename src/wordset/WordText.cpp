#include "wordset/WordText.h"

#include <algorithm>

std::vector<std::string> WordText::parse(std::string_view text)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (text.starts_with(bom))
        text.remove_prefix(bom.size());

    std::vector<std::string> words;
    // One allocation for the list: there are at most as many words as lines.
    words.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    const char *p = text.data();
    const char *const end = p + text.size();
    while (p < end) {
        const char *lineEnd = p;
        while (lineEnd < end && *lineEnd != '\n' && *lineEnd != '\r')
            ++lineEnd;
        if (lineEnd == p)
            break; // an empty line ends the list
        words.emplace_back(p, lineEnd);
        p = lineEnd;
        if (p < end && *p == '\r') {
            ++p;
            if (p < end && *p == '\n')
                ++p; // CRLF is one line end
        } else if (p < end) {
            ++p; // LF
        }
    }
    return words;
}

std::string WordText::format(const std::vector<std::string> &words)
{
    std::size_t total = 0;
    for (const std::string &word : words)
        total += word.size() + 1;
    std::string text;
    text.reserve(total);
    for (const std::string &word : words) {
        text += word;
        text += '\n';
    }
    return text;
}
