// Speaks every word and every sentence of the built-in course into the mp3
// files the program looks for beside itself. flite reads the text with the
// voice of a US English speaker, sox evens out the level and the silence at
// both ends, and lame encodes the result. A list of what each file says and
// how is kept next to the files, so a later run only speaks what changed and
// removes the files of words that left the course.

#include "CourseLoader.h"
#include "Cp932.h"
#include "SpeechText.h"
#include "TextUtil.h"
#include "VoiceFiles.h"
#include "VoiceList.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The voice of a US English speaker that pocketsphinx, an independent
// recogniser, understands best among Debian's English voices, and which it
// understands as well slowed down as at its own pace, where the others lose
// clarity. Stretched to 1.2 times its own length it speaks about 145 words
// a minute, a calm pace at which a learner can follow and repeat each word.
const QStringList SpeakArguments = {"-voice", "rms", "--setf", "duration_stretch=1.2"};
// Peak at -1.5 dBFS: the mp3 encoder moves a peak by up to about 1.2 dB
// either way, and this keeps every decoded voice between -3 dBFS and just
// below full scale. The synthesiser's own lead-in and tail are cut and
// 100 ms of silence put at both ends, so a voice starts at once and two
// voices never run together.
// sox dithers what it changes; repeatable mode seeds that noise the same
// way every run, so the same course always gives the same files.
const QStringList ShapeOptions = {"-R"};
const QStringList ShapeEffects = {"norm", "-1.5", "silence", "1", "0.01", "0.3%", "reverse",
                                  "silence", "1", "0.01", "0.3%", "reverse", "pad", "0.1", "0.1"};
const QStringList EncodeArguments = {"--quiet", "-m", "m", "-b", "48"};
const QString ListName = QStringLiteral("SOUND/voices.txt");

// Changes whenever anything above does, or the way text is handed to the
// synthesiser; the list records it, so new settings speak every file again.
QString SettingsFingerprint()
{
    const QString all = QStringList{QStringLiteral("flite"), SpeakArguments.join(QLatin1Char(' ')),
                                    ShapeOptions.join(QLatin1Char(' ')), ShapeEffects.join(QLatin1Char(' ')),
                                    EncodeArguments.join(QLatin1Char(' ')),
                                    QStringLiteral("text 1")}
                            .join(QLatin1Char('\n'));
    return QStringLiteral("flite-") + QString::fromLatin1(
        QCryptographicHash::hash(all.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

struct TTools {
    QString Flite;
    QString Sox;
    QString Lame;
};

enum class TSpoken { Ok, ToolMissing, Failed };

// Every voice file with the text it says, relative to `exePath`.
QList<TVoice> CourseVoices(const TDataList &data, const QString &exePath)
{
    QList<TVoice> voices;
    for (int level = 0; level < data.size(); ++level) {
        for (const TBandData &band : data[level].Item) {
            for (const TBandDataItem &word : band.Item) {
                voices.append({WordVoiceFile(exePath, level, word).mid(exePath.size()), FromCp932(word.Word)});
                for (const TSentenceData &sense : word.Item)
                    voices.append({SentenceVoiceFile(exePath, level, word, sense).mid(exePath.size()),
                                   FromCp932(sense.Sentence)});
            }
        }
    }
    return voices;
}

TSpoken Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted())
        return TSpoken::ToolMissing;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return TSpoken::Failed;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 ? TSpoken::Ok : TSpoken::Failed;
}

// Speaks one voice into its mp3 through files in `work`; the mp3 is
// replaced only once it is complete.
TSpoken Speak(const TTools &tools, const TVoice &voice, const QString &exePath, const QString &work, int no)
{
    const QString base = work + QLatin1Char('/') + QString::number(no);
    const QString text = base + QStringLiteral(".txt");
    const QString raw = base + QStringLiteral(".wav");
    const QString shaped = base + QStringLiteral("-shaped.wav");
    const QString mp3 = exePath + voice.File;
    const QString partial = mp3 + QStringLiteral(".part");
    QFile textFile(text);
    if (!textFile.open(QIODevice::WriteOnly) || textFile.write(SpeechText(voice.Text) + '\n') < 0)
        return TSpoken::Failed;
    textFile.close();
    QDir().mkpath(QFileInfo(mp3).absolutePath());

    TSpoken done = Run(tools.Flite, SpeakArguments + QStringList{"-f", text, "-o", raw});
    if (done == TSpoken::Ok)
        done = Run(tools.Sox, ShapeOptions + QStringList{raw, shaped} + ShapeEffects);
    if (done == TSpoken::Ok)
        done = Run(tools.Lame, EncodeArguments + QStringList{shaped, partial});
    if (done == TSpoken::Ok && QFileInfo(partial).size() > 0) {
        QFile::remove(mp3);
        if (!QFile::rename(partial, mp3))
            done = TSpoken::Failed;
    } else if (done == TSpoken::Ok) {
        done = TSpoken::Failed;
    }
    for (const QString &file : {text, raw, shaped, partial})
        QFile::remove(file);
    return done;
}

QString ReadText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: MakeVoices course.tsv program-folder flite sox lame\n");
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
    const TTools tools = {QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]), QString::fromLocal8Bit(argv[5])};
    const QString settings = SettingsFingerprint();

    const QList<TVoice> voices = CourseVoices(course.Data, exePath);
    const TVoicePlan plan = PlanVoices(voices, settings, ReadText(exePath + ListName),
                                       [&](const QString &file) { return QFileInfo(exePath + file).size() > 0; });

    QElapsedTimer clock;
    clock.start();
    std::vector<TSpoken> outcome(voices.size(), TSpoken::Ok);
    const int speakers = std::max(1, std::min(QThread::idealThreadCount(), int(plan.ToSpeak.size())));
    if (!plan.ToSpeak.isEmpty()) {
        QTemporaryDir work;
        if (!work.isValid()) {
            std::fprintf(stderr, "MakeVoices: cannot make a working folder\n");
            return 1;
        }
        // Each speaker takes the next voice nobody has taken yet, so all
        // cores stay busy to the end whatever the lengths of the texts.
        std::atomic<int> next = 0;
        std::vector<std::unique_ptr<QThread>> threads;
        for (int k = 0; k < speakers; ++k) {
            threads.emplace_back(QThread::create([&] {
                for (int n = next++; n < plan.ToSpeak.size(); n = next++) {
                    const int i = plan.ToSpeak[n];
                    outcome[i] = Speak(tools, voices[i], exePath, work.path(), i);
                }
            }));
            threads.back()->start();
        }
        for (const auto &thread : threads)
            thread->wait();
    }

    int made = 0;
    int failed = 0;
    bool missing = false;
    for (int i : plan.ToSpeak) {
        if (outcome[i] == TSpoken::Ok) {
            ++made;
        } else {
            missing = missing || outcome[i] == TSpoken::ToolMissing;
            ++failed;
            if (outcome[i] == TSpoken::Failed)
                std::fprintf(stderr, "MakeVoices: could not speak %s\n", qPrintable(voices[i].File));
        }
    }
    if (missing) {
        std::printf("MakeVoices: flite, sox or lame cannot be started; no voices made\n");
        return 0;
    }
    for (const QString &file : plan.Stale)
        QFile::remove(exePath + file);

    // Only what was spoken is listed, so a failed voice is tried again next time.
    QStringList lines;
    for (int i = 0; i < voices.size(); ++i)
        if (outcome[i] == TSpoken::Ok)
            lines.append(VoiceListLine(voices[i], settings));
    QDir().mkpath(exePath + QStringLiteral("SOUND"));
    QSaveFile list(exePath + ListName);
    const QByteArray text = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    if (!list.open(QIODevice::WriteOnly) || list.write(text) != text.size() || !list.commit()) {
        std::fprintf(stderr, "MakeVoices: cannot write %s\n", qPrintable(exePath + ListName));
        return 1;
    }
    std::printf("MakeVoices: %d of %d voices spoken anew by %d speakers in %.1f s\n", made, int(voices.size()),
                plan.ToSpeak.isEmpty() ? 0 : speakers, clock.elapsed() / 1000.0);
    return failed == 0 ? 0 : 1;
}
