#pragma once
// Splits a text of the tests into its lines at line feeds: a final line feed
// ends the last line and adds no empty one.
#include <string>
#include <vector>

inline std::vector<std::string> SplitAtLineFeeds(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}
