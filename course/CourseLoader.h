#pragma once

#include "CourseData.h"
#include "MessageReporter.h"
#include "TextUtil.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Reading the course text: tab-separated lines in code page 932, header
// lines ("#" + level name, band name) that open bands, and sense lines that
// add one sense each to the band's words.

inline constexpr int CourseFieldCount = 12;

// Cuts a line at its tabs into the fields 0 to highestIndex. Every one of
// them is written; the missing ones are empty and whatever follows the tab
// after the last field is ignored.
void SplitFields(const QString &line, QStringList &fields, int highestIndex);

// The code 1 to 8 of a part-of-speech name, compared exactly. Any other name
// reports "品詞エラー：" followed by the name and gives 0.
std::int32_t PartOfSpeechCode(const QString &name, const TMessageReporter &report);

// The result of loading: the tree, and on failure a Japanese message that
// says which line is at fault. Data always holds exactly eight levels, even
// after a failure, so that nothing indexes past its end.
struct TCourseLoadResult {
    TDataList Data;
    QString Error;
    bool Ok() const { return Error.isEmpty(); }
};

// Builds the tree from the course text in code page 932. Unknown parts of
// speech are reported through `report` and loading goes on; a word id that
// is not a number, or a sense line before the first header, stops loading.
TCourseLoadResult LoadCourse(const QByteArray &cp932Text, const TMessageReporter &report);

// The display text of a stored level or band name.
QString ShortNameText(const QByteArray &name);

// The name a level is shown by. The first level of a course may be written
// with an empty name so that it fills the unnamed level the loader starts
// with; that level is shown as "Level 1". Every other name is shown as
// stored, and the loader keeps comparing the stored names.
QString LevelNameText(int levelIndex, const QByteArray &name);
