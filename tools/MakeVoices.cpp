// Speaks every word and every sentence of the built-in course into the mp3
// files the program looks for beside itself: espeak-ng reads the text and
// lame encodes its wave output. A list of what each file says is kept
// next to the files, so a later run only speaks what changed and removes
// the files of words that left the course.

#include "CourseLoader.h"
#include "Cp932.h"
#include "TextUtil.h"
#include "VoiceFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

// A clear American voice a little slower than espeak-ng's usual 175 words
// per minute, so a learner can follow every word.
const QStringList SpeakArguments = {"-v", "en-us", "-s", "140", "--stdin", "--stdout"};
const QStringList EncodeArguments = {"--quiet", "-m", "m", "-b", "48"};
const QString ListName = QStringLiteral("SOUND/voices.txt");

struct TVoice {
    QString File;
    QString Text;
};

// Every voice file with the text it says, under `exePath`.
QList<TVoice> CourseVoices(const TDataList &data, const QString &exePath)
{
    QList<TVoice> voices;
    for (int level = 0; level < data.size(); ++level) {
        for (const TBandData &band : data[level].Item) {
            for (const TBandDataItem &word : band.Item) {
                voices.append({WordVoiceFile(exePath, level, word), FromCp932(word.Word)});
                for (const TSentenceData &sense : word.Item)
                    voices.append({SentenceVoiceFile(exePath, level, word, sense), FromCp932(sense.Sentence)});
            }
        }
    }
    return voices;
}

// One line per file: its path under the program folder, then what it says
// and how, so a change of text or of voice settings speaks it again.
QString ListLine(const QString &relativeFile, const QString &text)
{
    return relativeFile + QLatin1Char('\t') + SpeakArguments.join(QLatin1Char(' ')) + QLatin1Char(' ')
        + EncodeArguments.join(QLatin1Char(' ')) + QLatin1Char('\t') + text;
}

enum class TSpoken { Ok, ToolMissing, Failed };

TSpoken Speak(const QString &espeak, const QString &lame, const QString &text, const QString &file)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    const QString partial = file + QStringLiteral(".part");
    QProcess speaker;
    QProcess encoder;
    speaker.setStandardOutputProcess(&encoder);
    speaker.start(espeak, SpeakArguments);
    encoder.start(lame, EncodeArguments + QStringList{"-", partial});
    if (!speaker.waitForStarted() || !encoder.waitForStarted())
        return TSpoken::ToolMissing;
    speaker.write(text.toUtf8() + '\n');
    speaker.closeWriteChannel();
    const bool spoken = speaker.waitForFinished(30000) && speaker.exitCode() == 0;
    const bool encoded = encoder.waitForFinished(30000) && encoder.exitCode() == 0;
    if (!spoken || !encoded || QFileInfo(partial).size() == 0) {
        QFile::remove(partial);
        return TSpoken::Failed;
    }
    QFile::remove(file);
    return QFile::rename(partial, file) ? TSpoken::Ok : TSpoken::Failed;
}

QHash<QString, QString> ReadList(const QString &path)
{
    QHash<QString, QString> lines;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        for (const QString &line : SplitLines(QString::fromUtf8(file.readAll())))
            lines.insert(line.section(QLatin1Char('\t'), 0, 0), line);
    return lines;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: MakeVoices course.tsv program-folder espeak-ng lame\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "MakeVoices: cannot read %s\n", argv[1]);
        return 1;
    }
    // The course is read exactly as the program reads its embedded copy.
    const QByteArray courseText = ToCp932(SplitLines(QString::fromUtf8(source.readAll())).join(QStringLiteral("\r\n")));
    const TCourseLoadResult course = LoadCourse(courseText, [](const QString &) {});
    if (!course.Ok()) {
        std::fprintf(stderr, "MakeVoices: %s\n", qPrintable(course.Error));
        return 1;
    }
    const QString exePath = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + QLatin1Char('/');
    const QString espeak = QString::fromLocal8Bit(argv[3]);
    const QString lame = QString::fromLocal8Bit(argv[4]);

    QHash<QString, QString> before = ReadList(exePath + ListName);
    QStringList after;
    int made = 0;
    for (const TVoice &voice : CourseVoices(course.Data, exePath)) {
        const QString relative = voice.File.mid(exePath.size());
        const QString line = ListLine(relative, voice.Text);
        const bool current = before.take(relative) == line && QFileInfo(voice.File).size() > 0;
        if (!current) {
            switch (Speak(espeak, lame, voice.Text, voice.File)) {
            case TSpoken::Ok:
                ++made;
                break;
            case TSpoken::ToolMissing:
                std::printf("MakeVoices: espeak-ng or lame cannot be started; no voices made\n");
                return 0;
            case TSpoken::Failed:
                std::fprintf(stderr, "MakeVoices: could not speak %s\n", qPrintable(relative));
                return 1;
            }
        }
        after.append(line);
    }
    // Files listed last time that the course no longer names.
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QFile::remove(exePath + it.key());

    QSaveFile list(exePath + ListName);
    const QByteArray text = (after.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    if (!list.open(QIODevice::WriteOnly) || list.write(text) != text.size() || !list.commit()) {
        std::fprintf(stderr, "MakeVoices: cannot write %s\n", qPrintable(exePath + ListName));
        return 1;
    }
    std::printf("MakeVoices: %d of %d voices spoken anew\n", made, int(after.size()));
    return 0;
}
