// Start-up, closing and the window's controls.

#include "Main.h"

#include "CourseLoader.h"
#include "Cp932.h"
#include "EgImage.h"
#include "FormControls.h"
#include "Fonts.h"
#include "KeySounds.h"
#include "MainFormDescription.h"
#include "Resources.h"
#include "Commands.h"
#include "FileErrors.h"
#include "UserFiles.h"
#include "VoicePlayer.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <chrono>
#include <cstdlib>

namespace {

void DefaultMessage(const QString &text)
{
    // Owned by the window in front, so it opens over the sub-window too; a
    // text from a damaged file cannot make it wider than the screen.
    QMessageBox box(QMessageBox::Warning, QString(), BoundedMessageText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool DefaultAsk(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QString(), BoundedMessageText(text), QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

TFrmMain::TFrmMain(TFrmMainEnvironment env, QWidget *parent) : QWidget(parent), Env(std::move(env))
{
    if (!Env.Pause)
        Env.Pause = [this](int ms, std::function<void()> then) { QTimer::singleShot(ms, this, std::move(then)); };
    if (!Env.ShowMessage)
        Env.ShowMessage = DefaultMessage;
    if (!Env.Ask)
        Env.Ask = DefaultAsk;
    if (!Env.TickCount) {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        Env.TickCount = [clock] { return clock->elapsed(); };
    }
    if (!Env.SaveFile)
        Env.SaveFile = SaveWholeFile;
    if (!Env.Now)
        Env.Now = [] { return QDateTime::currentDateTime(); };

    setWindowTitle(QStringLiteral("TypeKo"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The screen picture covers the whole client area, so nothing is erased.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Keys go to the training even while a Japanese input method is on.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    setFont(PixelFont(FaceMsPGothic, 12));
    if (Env.Pictures)
        Pictures = TPictureStore(Env.Pictures);
    Pictures.UseDecodedAhead(std::move(Env.DecodedAhead));
    // A picture found damaged only when it is decoded is told after the
    // event that needed it, since that may be a paint.
    Pictures.OnDecodeError = [this](const QString &message) {
        QTimer::singleShot(0, this, [this, message] { Env.ShowMessage(message); });
    };
    CreateControls();
}

TFrmMain::~TFrmMain()
{
    // Pictures first, then the sounds.
    Pictures.KeepOnly({});
    TrainingFrame = QImage();
    ReleaseKeySounds();
    ReleaseVoicePlayer();
}

void TFrmMain::CreateControls()
{
    QHash<QString, TEgImage::TNotifyEvent> handlers;
    // Clicks that arrive during a pause are ignored; paints never are.
#define TYPEKO_BIND_HANDLER(name)                                                                                      \
    handlers.insert(QStringLiteral(#name), [this](TEgImage *s) {                                                      \
        if (!InputPaused || !QStringLiteral(#name).endsWith(u"Click"))                                                 \
            name(s);                                                                                                   \
    });
    TYPEKO_MAIN_HANDLERS(TYPEKO_BIND_HANDLER)
#undef TYPEKO_BIND_HANDLER
    HandlerNames = handlers.keys();
    ControlLayer = new QWidget(this);
    ControlLayer->setObjectName(QStringLiteral("ControlLayer"));
    ControlLayer->setGeometry(0, 0, 800, 600);
    ControlLayer->setAttribute(Qt::WA_NoSystemBackground);
    const TFormDesc &form = MainFormDescription();
    for (const TControlDesc &desc : form.Controls) {
        if (desc.Kind == TControlKind::Label) {
            LblVersion = new QLabel(QString::fromUtf8(desc.Text.Caption), ControlLayer);
            LblVersion->setObjectName(QString::fromUtf8(desc.Name));
            LblVersion->setGeometry(desc.Left, desc.Top, desc.Width, desc.Height);
            LblVersion->setFont(PixelFont(QString::fromUtf8(desc.Text.Font.Face ? desc.Text.Font.Face : "ＭＳ Ｐゴシック"),
                                          desc.Text.Font.PixelSize ? desc.Text.Font.PixelSize : 13));
            LblVersion->setAttribute(Qt::WA_TransparentForMouseEvents);
            LblVersion->hide();
            continue;
        }
        TEgImage *control = CreateImageControl(ControlLayer, desc, handlers, ControlError, Pictures);
        const QString name = control->objectName();
        control->hide();
        Controls.insert(name, control);
    }

#define TYPEKO_BIND_CONTROL(name) name = Controls.value(QStringLiteral(#name));
    TYPEKO_MAIN_IMAGE_CONTROLS(TYPEKO_BIND_CONTROL)
#undef TYPEKO_BIND_CONTROL
}

QString TFrmMain::FormCreate()
{
    if (!ControlError.isEmpty())
        return ControlError;
    // The course and the user names need the code page; without it nothing
    // later could be read right, so the start stops here with the reason.
    if (!Cp932().Problem().isEmpty())
        return Cp932().Problem();
    ExePath = Env.ExePath.isEmpty() ? QCoreApplication::applicationDirPath() + u'/' : Env.ExePath;
    if (const QString error = LockDataFolder(); !error.isEmpty() || Busy)
        return error;
    // The first voice request always opens its file.
    ClearCurVoiceFile();

    FCurScreenNo = scNone;
    Run.IdNoShowFlag = false;
    FLevelNo = -1;
    bLevel = {bLevel1, bLevel2, bLevel3, bLevel4, bLevel5, bLevel6, bLevel7, bLevel8};
    FBandNo = -1;
    bBand = {bBandA, bBandB, bBandC};
    Choice = {};
    bPattern = {bWordAndSentence, bWord, bSentence, bWriting};
    bWordType = {bNewWordType1, bNewWordType2, bNewWordType3, bNewWordType4};
    FOptions = {-1, -1, -1, -1, -1, -1};

    if (const QString error = EnsureScoreFolder(FDataPath); !error.isEmpty())
        return error;
    NormaliseUserFiles(FDataPath);

    const TFileRead lastUser = ReadWholeFile(LastUserFilePath(FDataPath));
    if (!lastUser.Error.isEmpty())
        return lastUser.Error;
    FUserId = ReadLastUser(lastUser.Bytes);

    // Pictures are decoded when a screen first needs them; only what can be
    // told without decoding is checked here, so a start never waits for
    // pictures it does not show.
    if (const QString error = CheckPictures(); !error.isEmpty())
        return error;

    Random.seed(static_cast<std::mt19937::result_type>(std::chrono::steady_clock::now().time_since_epoch().count()));

    const std::optional<QByteArray> course = LoadResource(QStringLiteral("LDATA"));
    if (!course)
        return QStringLiteral("教材データ（LDATA）がプログラムに含まれていません。");
    TCourseLoadResult loaded = LoadCourse(*course, Env.ShowMessage);
    if (!loaded.Ok())
        return loaded.Error;
    FData = std::move(loaded.Data);
    ReportMarkupProblems();

    Run.BaseIndex = QList<std::int32_t>(FData.size() * BandsPerLevel, 0);
    Run.Session = QList<std::int32_t>(FData.size() * BandsPerLevel, 0);
    LoadScore();

    setFixedSize(800, 600);
    PlaceWindow();
    SetScreen(scTitle);
    return QString();
}

void TFrmMain::StartSound()
{
    if (SoundStarted)
        return;
    SoundStarted = true;
    // Sound never stops start-up: without a device both stay silent.
    InitVoicePlayer();
    InitKeySounds();
}

QString TFrmMain::LockDataFolder()
{
    // A folder is locked before the write test writes into it, so a copy
    // that finds it held writes nothing there at all.
    TDataFolderEnvironment folders = Env.DataFolder;
    folders.CanWrite = [this, test = Env.DataFolder.CanWrite](const QString &folder) {
        const TDataFolderLock::TResult lock = DataLock.Acquire(folder);
        if (lock == TDataFolderLock::TResult::Busy) {
            Busy = true;
            return true;
        }
        return lock == TDataFolderLock::TResult::Locked && test && test(folder);
    };
    FDataPath = DecideDataPath(ExePath, folders);
    if (Busy)
        return QString();
    if (const QString error = EnsureDataFolder(FDataPath); !error.isEmpty())
        return error;
    switch (DataLock.Acquire(FDataPath)) {
    case TDataFolderLock::TResult::Locked:
        DataLock.Advertise(Env.InstanceServer);
        break;
    case TDataFolderLock::TResult::Busy:
        Busy = true;
        break;
    case TDataFolderLock::TResult::NotWritable:
        // Nothing can be saved there either, so no other copy's files are
        // at risk; each failed save says so when it happens.
        break;
    }
    return QString();
}

void TFrmMain::PlaceWindow()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const int caption = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize outer = frameGeometry().size().expandedTo(size());
    const QPoint place = WindowPlacement(screen->geometry().width(), screen->geometry().height(), outer.width(),
                                         outer.height(), caption);
    move(place);
}

void TFrmMain::RestoreAndRaise()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TFrmMain::FinishRunInMemory()
{
    // The caller decides which screen follows, so only the voice is acted on.
    if (EndRun(Run, TrainingOptions(), FData).StopVoice)
        StopVoice();
}

bool TFrmMain::FormClose()
{
    // A run on screen is part of the progress even when the file was saved
    // during it, after new options say.
    if (FCurScreenNo == scTraining)
        FinishRunInMemory();
    if (ProgressUnsaved()) {
        // A progress file that cannot be written must not be lost silently:
        // the learner decides whether to end without it.
        if (!SaveScore()) {
            if (!Env.Ask(QStringLiteral("進み具合を保存できませんでした。保存しないで終了しますか？")))
                return false;
            GoodbyeUnsaved = true;
        }
    }
    SetScreen(scGoodbye);
    PaintPending();
    GoodbyeShowing = true;
    PauseThen(1000, [this] {
        const QString error = Env.SaveFile(LastUserFilePath(FDataPath), WriteLastUser(FUserId));
        if (!error.isEmpty())
            Env.ShowMessage(error);
        Closing = true;
        close();
    });
    return true;
}

void TFrmMain::PauseThen(int ms, std::function<void()> then)
{
    InputPaused = true;
    Env.Pause(ms, [this, then = std::move(then)] {
        InputPaused = false;
        then();
    });
}

void TFrmMain::QuietClose()
{
    if (!Closing && FCurScreenNo != scNone && !Busy) {
        Closing = true;
        if (FCurScreenNo == scTraining)
            FinishRunInMemory();
        if (ProgressUnsaved())
            WriteScore();
        Env.SaveFile(LastUserFilePath(FDataPath), WriteLastUser(FUserId));
    }
    DataLock.Release();
    // Nothing waits: no goodbye, no question, not even the dialog or the
    // start screen's wait that may be running.
    std::_Exit(0);
}

void TFrmMain::closeEvent(QCloseEvent *event)
{
    if (Closing || FCurScreenNo == scNone) {
        event->accept();
        return;
    }
    // A second close while the goodbye shows does nothing; the goodbye
    // closes the window when its second is over.
    if (GoodbyeShowing || !FormClose()) {
        event->ignore();
        return;
    }
    if (Closing)
        event->accept();
    else
        event->ignore();
}
