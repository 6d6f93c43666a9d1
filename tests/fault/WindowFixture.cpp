#include "WindowFixture.h"

#include "UserFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void TWindowInFolder::Write(const QString &relative, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(Path(relative)).path());
    QFile file(Path(relative));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray TWindowInFolder::Read(const QString &relative) const
{
    QFile file(Path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TWindowInFolder::Create()
{
    TFrmMainEnvironment env;
    env.ExePath = Folder.path() + u'/';
    env.DataFolder.ProgramFiles = QStringLiteral("/nonexistent-programs");
    env.Pause = [](int, const std::function<void()> &then) { then(); };
    env.ShowMessage = [this](const QString &text) { Messages.append(text); };
    env.Ask = [this](const QString &text) {
        Questions.append(text);
        return Answer;
    };
    qint64 clock = 0;
    env.TickCount = [clock]() mutable { return clock += 500; };
    env.SaveFile = [this](const QString &path, const QByteArray &bytes) {
        return ReadOnlyFolder ? SaveFailedMessage(path, QStringLiteral("Permission denied")) : SaveWholeFile(path, bytes);
    };
    Window = std::make_unique<TFrmMain>(env);
    const QString error = Window->FormCreate();
    if (error.isEmpty())
        Window->show();
    return error;
}
