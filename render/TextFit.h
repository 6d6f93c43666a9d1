#pragma once

#include <QString>

#include <functional>

// The largest number of first characters of a text whose width, added to
// left, stays within right; 0 when not even one fits. A surrogate pair is
// never cut in two.
int FittingPrefixLength(const QString &text, int left, int right, const std::function<int(const QString &)> &width);
