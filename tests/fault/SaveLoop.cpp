// Saves two different contents into one file in turn, as fast as it can,
// until it is killed: the test kills it at random moments and reads what
// the file holds.

#include "UserFiles.h"

#include <QByteArray>
#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: SaveLoop <file> <content A> <content B>\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QByteArray contents[2] = {QByteArray(argv[2]), QByteArray(argv[3])};
    // The first save replaces the small content the test starts from.
    for (unsigned long i = 1;; ++i) {
        // The contents given are patterns; the saved text repeats them to a
        // size that takes several writes, so a kill can land inside one.
        const QByteArray &pattern = contents[i % 2];
        const QByteArray text = pattern.repeated(i % 2 ? 24000 : 8000) + "[END]\r\n";
        if (const QString error = SaveWholeFile(path, text); !error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
}
