#include "GlyphCells.h"

#include <array>

namespace {

// Ink widths of a to z in the large strip.
constexpr std::array<int, 26> LetterInk = {41, 41, 41, 40, 41, 28, 46, 40, 12, 21, 43, 12, 57,
                                           40, 41, 41, 40, 30, 41, 32, 40, 45, 61, 44, 44, 38};
constexpr int HyphenInk = 23;
constexpr int BlankInk = 20;
constexpr int AdvanceGap = 3;

} // namespace

int LargeGlyphRow(char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 'a';
    if (c == '-')
        return 26;
    if (c == ' ')
        return 27;
    return MissingLargeRow;
}

int SmallGlyphRow(char c)
{
    if (c >= 'a' && c <= 'z')
        return c - 'a';
    if (c >= 'A' && c <= 'Z')
        return 31 + (c - 'A');
    if (c >= '1' && c <= '9')
        return 57 + (c - '1');
    // The punctuation rows in strip order, starting at row 26; the digit and
    // capital rows in between are taken above.
    static constexpr struct {
        char Char;
        int Row;
    } others[] = {{',', 26}, {'.', 27}, {'\'', 28}, {'?', 29}, {'"', 30}, {'0', 66},
                  {'!', 67}, {':', 68}, {'-', 69}, {' ', 70}};
    for (const auto &other : others)
        if (other.Char == c)
            return other.Row;
    return SquareRow;
}

int GlyphAdvance(char c)
{
    if (c >= 'a' && c <= 'z')
        return LetterInk[static_cast<size_t>(c - 'a')] + AdvanceGap;
    if (c == '-')
        return HyphenInk + AdvanceGap;
    if (c == ' ')
        return BlankInk + AdvanceGap;
    return 0;
}

int TextAdvance(QByteArrayView text)
{
    int total = 0;
    for (const char c : text)
        total += GlyphAdvance(c);
    return total;
}
