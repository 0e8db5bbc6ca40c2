#include "notes/word_count.h"

namespace pw {
namespace {

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsPunctuation(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    const bool letterOrDigit = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
    return u > ' ' && u < 127 && !letterOrDigit;
}

}  // namespace

std::size_t CountWords(std::string_view text)
{
    std::size_t words = 0;
    bool inRun = false;
    bool onlyPunctuation = true;
    for (char c : text) {
        if (IsSeparator(c)) {
            if (inRun && !onlyPunctuation) ++words;
            inRun = false;
            onlyPunctuation = true;
            continue;
        }
        inRun = true;
        onlyPunctuation = onlyPunctuation && IsPunctuation(c);
    }
    if (inRun && !onlyPunctuation) ++words;
    return words;
}

}  // namespace pw
