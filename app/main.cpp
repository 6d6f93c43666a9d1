// Program entry. Until the main window exists it loads the built-in course
// and says what it holds, so a build can be tried end to end.

#include "CourseLoader.h"
#include "Resources.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const std::optional<QByteArray> text = LoadResource(QStringLiteral("LDATA"));
    if (!text) {
        std::fprintf(stderr, "TypeKo: the course text is missing from the program.\n");
        return 1;
    }
    const TCourseLoadResult course = LoadCourse(*text, [](const QString &message) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
    if (!course.Ok()) {
        std::fprintf(stderr, "%s\n", course.Error.toLocal8Bit().constData());
        return 1;
    }
    int words = 0;
    int senses = 0;
    for (const TLevelData &level : course.Data)
        for (const TBandData &band : level.Item)
            for (const TBandDataItem &word : band.Item) {
                ++words;
                senses += word.Item.size();
            }
    std::printf("TypeKo: the course holds %d words with %d senses in %lld levels.\n"
                "The window comes with the next version.\n",
                words, senses, static_cast<long long>(course.Data.size()));
    return 0;
}
