#pragma once

#include "Color.h"
#include "MessageReporter.h"

#include <QList>
#include <QString>
#include <QStringList>

// The small markup languages inside the course fields: sentence-element
// chunks in examples, "[s]" annotations in meanings, "[cr]" and "[b]" in
// related words, and the pronunciation marker tokens.

// The characters of the text that stand inside square brackets. Brackets do
// not nest: "]" always ends the inside.
QString StripTags(const QString &text);

// The colour of a sentence-element tag letter (upper or lower case); white,
// meaning no colour, for any other character.
TColor TagColor(QChar letter);

// Whether a tag letter gets a label under the sentence in the writing guide.
bool HasGuideLabel(QChar letter);

// One chunk of an example sentence: "[" text "]" and its tag.
struct TChunk {
    // Target position of the chunk's first character, counted from 1.
    int TargetStart = 1;
    QString Text;
    // The last character outside brackets before the next chunk (or the end);
    // a null character when there is none. In well-formed text this is the
    // tag letter; after a stray character it is that character.
    QChar Tag;
    // Characters outside brackets between this chunk and the next one. More
    // than one means a stray character that costs the chunk its colour.
    int OutsideCount = 0;
};

// The chunks of an example in order. Every "[" opens a new chunk, so a chunk
// text never holds a bracket; text before the first "[" belongs to no chunk.
QList<TChunk> ParseChunks(const QString &example);

// The letter that names a chunk's element, which decides its colour and
// label: its tag when that is the only character between the chunk and the
// next one; null for a chunk without a tag or with a stray character after it.
QChar ElementLetter(const TChunk &chunk);

// One piece of a meaning line: plain text at the normal size, or an
// annotation at the small size whose text already ends with its blank.
struct TMeaningPiece {
    QString Text;
    bool Small = false;
    bool operator==(const TMeaningPiece &) const = default;
};

// Cuts a meaning at its "[s]" … "[/s]" annotations. A malformed annotation
// (an "[s]" never closed, or a "[/s]" before the first "[s]") reports
// "[s]エラー:" followed by the text still to scan and is laid out all the
// same: an empty annotation, then the scan resumes after the first "[/s]",
// or after the first three characters when there is none.
QList<TMeaningPiece> SplitMeaning(const QString &meaning, const TMessageReporter &report);

// The lines of a related-words field, split at "[cr]".
QStringList RelatedWordLines(const QString &etc3);

// A run of one colour in a related-words line.
struct TMarkedRun {
    QString Text;
    bool Headword = false;
    bool operator==(const TMarkedRun &) const = default;
};

// The runs of one related-words line. `headword` carries the colour from
// the previous line in and out: an "[b]" left open colours the lines after
// it too. A "[/b]" with no "[b]" before it is text.
QList<TMarkedRun> MarkedLineRuns(const QString &line, bool &headword);

// The cell of the pronunciation marker picture that an Etc2 value selects:
// 0 for "<発1>" and "<ア1>", 1 for "<発2>" and "<ア2>", -1 for anything else.
int PronunciationMarkCell(const QString &etc2);
