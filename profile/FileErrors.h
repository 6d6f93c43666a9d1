#pragma once

#include <QString>

// The learner reads every failure of a file operation in Japanese. The
// system and Qt report them in English (or in whatever language the
// system's locale gives); the common ones are put into Japanese here, and
// any other reason is kept as it came, after a Japanese lead-in.

// The Japanese sentence for an errno value, or an empty text when there is
// none for it.
QString JapaneseErrno(int error);

// A reason as the system or Qt gave it, in Japanese.
QString JapaneseReason(const QString &reason);

// Why a folder could not be made: the first missing folder of its path is
// tried again, and the system's answer is given in Japanese.
QString FolderFailureReason(const QString &folder);

// A text for a message box that cannot grow past the screen: each line is
// cut in its middle with "…" past maxLineLength characters, and lines
// after maxLines are dropped.
QString BoundedMessageText(const QString &text, int maxLineLength = 160, int maxLines = 16);
