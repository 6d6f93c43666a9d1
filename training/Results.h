#pragma once

#include "CourseData.h"

#include <QList>

// Copies the results of a run back into its band: for each copy in run
// order, the first word of the band with the same id takes its check mark,
// judgement and run number (so a word trained twice keeps its last values).
// Then every band of the course is recounted.
void RecordResults(const QList<TBandDataItem> &curItem, TDataList &data, int levelNo, int bandNo);

// The judgement of a completed word: known with fewer than 5 misses,
// unknown with 5 or more.
constexpr std::uint16_t JudgeForMisses(int missCount) { return missCount < 5 ? 1 : 4; }
