// Loading and saving the current user's progress.

#include "Main.h"

#include "EgImage.h"
#include "UserFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString SaveFailedLater = QStringLiteral("練習はこのまま続けられます。終了するときに、もう一度保存します。");

} // namespace

void TFrmMain::LoadScore()
{
    const QString path = ProgressFilePath(FDataPath, FUserId);
    const TFileRead file = ReadWholeFile(path);
    QByteArray text = file.Bytes.value_or(QByteArray());
    if (!file.Error.isEmpty()) {
        KeepUnusableProgress(path, file.Error);
        text.clear();
    } else if (!LooksLikeProgress(text)) {
        KeepUnusableProgress(path, QStringLiteral("進み具合のファイルではない内容です：%1").arg(QDir::toNativeSeparators(path)));
        text.clear();
    }
    const TProgress progress = ReadProgress(text, FData);
    Run.BaseIndex = progress.BaseIndex;
    Run.Session = progress.Session;

    // Whatever the file says, the course opens on the level the course
    // fills, at its first band.
    SetLevelNo(1);
    SetBandNo(0);
    // Fresh words of the stored type; which types the band offers is known
    // once a band is on screen.
    Choice = {};
    Choice.Pattern = progress.Pattern;
    Choice.WordType = static_cast<TWordType>(progress.WordType);
    ShowChoices();

    FOptions = progress.Options;

    Run.LastIndex = -1;
    ScoreSaved = false;
    SavedProgress.clear();
}

void TFrmMain::KeepUnusableProgress(const QString &path, const QString &why)
{
    // The learner's bytes are never written over: the file is renamed aside
    // before anything is saved under its name.
    const QString backup = KeepAsBackup(path, Env.Now());
    QString text = QStringLiteral("進み具合のファイルを使えないため、この利用者は記録なしで始めます。\n%1\n").arg(why);
    if (!backup.isEmpty()) {
        text += QStringLiteral("元のファイルは「%1」として残してあります。").arg(QFileInfo(backup).fileName());
    } else {
        ProtectedProgressFile = path;
        text += QStringLiteral("元のファイルを別の名前で残せなかったので、このファイルには保存しません。");
    }
    Env.ShowMessage(text);
}

QByteArray TFrmMain::ProgressBytes() const
{
    TProgress progress;
    progress.LevelNo = FLevelNo;
    progress.Pattern = Choice.Pattern;
    progress.WordType = ChosenWordType();
    progress.Options = FOptions;
    progress.BaseIndex = Run.BaseIndex;
    progress.Session = Run.Session;
    return WriteProgress(FData, progress);
}

QString TFrmMain::WriteScore()
{
    const QString path = ProgressFilePath(FDataPath, FUserId);
    if (path == ProtectedProgressFile)
        return SaveFailedMessage(path, QStringLiteral("使えなかった元のファイルを残すため、上書きしません"));
    const QByteArray bytes = ProgressBytes();
    const QString error = Env.SaveFile(path, bytes);
    if (!error.isEmpty())
        return error;
    SavedProgress = bytes;
    ScoreSaved = true;
    return QString();
}

bool TFrmMain::SaveScore()
{
    const QString error = WriteScore();
    if (!error.isEmpty()) {
        Env.ShowMessage(error);
        return false;
    }
    SaveFailureTold = false;
    return true;
}

bool TFrmMain::ProgressUnsaved() const
{
    return !ScoreSaved || ProgressBytes() != SavedProgress;
}

void TFrmMain::SaveAfterChange()
{
    if (!ProgressUnsaved())
        return;
    const QString error = WriteScore();
    if (error.isEmpty()) {
        SaveFailureTold = false;
        return;
    }
    // Told once: a learner who goes on practising is not stopped after
    // every run by the same message.
    ScoreSaved = false;
    if (!SaveFailureTold) {
        SaveFailureTold = true;
        Env.ShowMessage(error + u'\n' + SaveFailedLater);
    }
}
