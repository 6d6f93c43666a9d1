// Meanings and related-words fields of any text are laid out into pieces
// and runs without losing the scan.

#include "Markup.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    int reports = 0;
    (void)SplitMeaning(text, [&](const QString &) { ++reports; });
    bool headword = false;
    for (const QString &line : RelatedWordLines(text))
        (void)MarkedLineRuns(line, headword);
    (void)PronunciationMarkCell(text);
    return 0;
}
