// Converts the course source from UTF-8 with any line ends into code page
// 932 with CR LF after every line, and refuses characters the code page lacks
// so that no "?" slips into the course unnoticed.

#include "Cp932.h"
#include "CourseLoader.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: EncodeCourse input.tsv output\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "EncodeCourse: cannot read %s\n", argv[1]);
        return 1;
    }
    const QStringList lines = SplitLines(QString::fromUtf8(in.readAll()));
    QByteArray out;
    int lineNumber = 0;
    for (const QString &line : lines) {
        ++lineNumber;
        if (!IsCp932Encodable(line)) {
            std::fprintf(stderr, "%s:%d: a character cannot be written in code page 932\n", argv[1], lineNumber);
            return 1;
        }
        out += ToCp932(line);
        out += "\r\n";
    }
    QSaveFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        std::fprintf(stderr, "EncodeCourse: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
