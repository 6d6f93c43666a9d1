#pragma once

#include "CourseData.h"
#include "DataFolder.h"
#include "DataFolderLock.h"
#include "ProgressFile.h"
#include "TrainingOptions.h"
#include "TrainingOutcome.h"
#include "TrainingState.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <random>

class QLabel;
class TEgImage;

// Every control of the main window in form order; the window holds each
// under its own name.
#define TYPEKO_MAIN_IMAGE_CONTROLS(X)                                                                                  \
    X(imgExPattern) X(imgLevelPhrase) X(ImgBtnNext) X(ImgBtnPrev) X(ImgBtn1) X(ImgBtn2) X(bNameSelect) X(bBandA)       \
    X(bBandB) X(bBandC) X(bWordAndSentence) X(bWord) X(bSentence) X(bWriting) X(bTraining) X(bNewWord) X(bOnceMore)    \
    X(bNewWordType1) X(bNewWordType2) X(bNewWordType3) X(bNewWordType4) X(bRewind) X(bForward) X(bHint) X(bNatural)    \
    X(imgLevelName) X(imgBandName) X(imgWordAndSentence) X(bBandTotal) X(imgLevelName2) X(imgCounter) X(imgUserId2)    \
    X(imgPart1) X(imgPart2) X(imgPart3) X(imgWordMeaning) X(imgSentensMeaning) X(imgMessage) X(imgWordText)            \
    X(imgSentenceText) X(bLevel1) X(bLevel2) X(bLevel3) X(bLevel4) X(bLevel5) X(bLevel6) X(bLevel7) X(bLevel8)         \
    X(imgMissCount) X(imgFlag) X(imgSpecialTraining) X(imgCountHeader2) X(imgCheck) X(imgWord) X(imgCountHeader1)      \
    X(bTrans2) X(bSetup) X(imgIdNo) X(bBack1) X(bBack2) X(ImgBtn3)

// What the window takes from its surroundings, so that tests can give it a
// folder of their own, a clock that does not sleep and messages they read.
struct TFrmMainEnvironment {
    // Folder of the program, ending in "/"; empty: the executable's folder.
    QString ExePath;
    TDataFolderEnvironment DataFolder = SystemDataFolderEnvironment();
    // Blocking pause of the closing picture and of a level choice.
    std::function<void(int ms)> Sleep;
    // A message the learner must read; returns when it has been closed.
    std::function<void(const QString &text)> ShowMessage;
    // A yes/no question; true for yes.
    std::function<bool(const QString &text)> Ask;
    // Milliseconds from any fixed start; the start screen's wait reads it.
    std::function<qint64()> TickCount;
    // Replaces a file with the bytes as a whole; returns an empty text or
    // the message to show. Tests give it the failures root cannot meet,
    // such as a folder without write permission.
    std::function<QString(const QString &path, const QByteArray &bytes)> SaveFile;
    // Where this copy answers a later start, written beside the data
    // folder's lock so that a copy with another runtime folder finds it.
    QString InstanceServer;
    // The time stamped on the backup of a progress file that could not be used.
    std::function<QDateTime()> Now;
};

// The main window: it owns all lasting state of the program under the
// names the rest of the program uses, and its handlers keep thin, calling
// the logic and asking the renderers to paint.
class TFrmMain : public QWidget, public TTrainingState {
    Q_OBJECT
    // The sub-window previews the key clicks and shows its messages through
    // this window's seams.
    friend class TFrmSub;

public:
    static inline const QString ApplicationTitle = QStringLiteral("タイポンで英作トレーニング（体験版）");
    static inline const QString LockName = QStringLiteral("TypeKo_try");
    static inline const QString WindowClassName = QStringLiteral("TApplication");

    explicit TFrmMain(TFrmMainEnvironment env = {}, QWidget *parent = nullptr);
    // Frees the pictures and releases what start-up made.
    ~TFrmMain() override;

    // The whole start-up. Returns an empty text, or the reason start-up
    // stopped, which the caller shows before it ends the program.
    QString FormCreate();
    // Start-up stopped because another running copy uses the data folder;
    // it answers at this address (empty when it left none).
    bool DataFolderBusy() const { return Busy; }
    QString BusyCopyServer() const { return TDataFolderLock::AdvertisedServer(DataPath); }

    // Ends the program at once, the way a request to terminate from the
    // system does: the run on screen is recorded and the progress and
    // "Score.ini" are saved without a question, a message or the goodbye
    // picture. A save that fails leaves the old files as they were.
    [[noreturn]] void QuietClose();

    // Screens.
    void SetScreen(int ScreenNo);
    // Brings the window forward when a second start asks for it.
    void RestoreAndRaise();

    // Progress.
    void LoadScore();
    bool SaveScore();
    // Whether the progress file lacks anything the window holds: nothing was
    // saved since the last load, or something the file keeps has changed
    // since the last save.
    bool ProgressUnsaved() const;
    // Saves the progress when it is unsaved, after a recorded run or new
    // options. A failure is told once until a save succeeds again, and the
    // progress stays unsaved so that closing tries again.
    void SaveAfterChange();

    // Course choices; writing one highlights its button.
    int LevelNo() const { return FLevelNo; }
    void SetLevelNo(int value);
    int BandNo() const { return FBandNo; }
    void SetBandNo(int value);
    TPattern Pattern() const { return FPattern; }
    void SetPattern(TPattern value);
    void UpdateWordTypeButtons();

    // Lays the training screen out for the current target; with Flag the
    // typing state starts afresh.
    void SetTrainingScreen(bool Flag);
    // The learner's choices and options as the training logic reads them.
    TTrainingOptions TrainingOptions() const;

    // The word-type choice the buttons show, 0 to 3 (0 when none is chosen).
    int ChosenWordType() const;

    // The control of a name, for the handlers bound by name and for tests.
    TEgImage *Control(const QString &name) const { return Controls.value(name); }
    QLabel *LblVersion = nullptr;

#define TYPEKO_DECLARE_CONTROL(name) TEgImage *name = nullptr;
    TYPEKO_MAIN_IMAGE_CONTROLS(TYPEKO_DECLARE_CONTROL)
#undef TYPEKO_DECLARE_CONTROL

    // Lasting state; the run and the item being typed are the fields of
    // TTrainingState.
    QString ExePath;
    int CurScreenNo = -1;
    QHash<QString, QImage> ScreenImage;
    TDataList Data;
    bool SkipStartScreen = false;
    bool Loading = false;
    bool ScoreSaved = false;
    std::array<TEgImage *, 8> bLevel{};
    int FLevelNo = -1;
    std::array<TEgImage *, 3> bBand{};
    int FBandNo = -1;
    std::array<TEgImage *, 4> bPattern{};
    TPattern FPattern = ptWordAndSentence;
    // The program's own module: where its embedded pictures and sounds live.
    void *ModuleHandle = nullptr;
    QImage NumFont, LargeFont, SmallFont, EnterMark, MissMeter, FlagImage, SVOCMark, SoundMark, CounterImage;
    // Index 1 to 8 by part-of-speech code; index 0 stays empty.
    std::array<QImage, 9> HinshiImage;
    QString DataPath;
    QString UserId;
    int TypeSoundNo = -1;
    int MissSoundNo = -1;
    int DispWordNo = -1;
    int VoiceNo = -1;
    int MeaningNo = -1;
    int GuideNo = -1;
    // The shuffle of a run draws from this, seeded from the clock at start-up.
    std::mt19937 Random;
    // A writing-guide label of the element being typed reached the right
    // edge of the sentence area at the last drawing.
    bool GuideMarkAtEdge = false;

    // Handlers bound by name from the form description.
    void FormClick(TEgImage *Sender);
    void ImgBtn1Click(TEgImage *Sender);
    void ImgBtn2Click(TEgImage *Sender);
    void ImgBtn3Click(TEgImage *Sender);
    void ImgBtnPrevClick(TEgImage *Sender);
    void ImgBtnNextClick(TEgImage *Sender);
    void bBackClick(TEgImage *Sender);
    void bNameSelectClick(TEgImage *Sender);
    void bSetupClick(TEgImage *Sender);
    void bLevel1Click(TEgImage *Sender);
    void bBandAClick(TEgImage *Sender);
    void bWordAndSentenceClick(TEgImage *Sender);
    void bNewWordClick(TEgImage *Sender);
    void bNewWordTypeClick(TEgImage *Sender);
    void bTrainingClick(TEgImage *Sender);
    void bRewindClick(TEgImage *Sender);
    void bForwardClick(TEgImage *Sender);
    void bHintClick(TEgImage *Sender);
    void bNaturalClick(TEgImage *Sender);
    void bTrans2Click(TEgImage *Sender);
    void imgCheckClick(TEgImage *Sender);
    void imgUserId2Paint(TEgImage *Sender);
    void imgLevelName2Paint(TEgImage *Sender);
    void bBandAPaint(TEgImage *Sender);
    void bBandTotalPaint(TEgImage *Sender);
    void imgWordMeaningPaint(TEgImage *Sender);
    void imgSentensMeaningPaint(TEgImage *Sender);
    void imgMessagePaint(TEgImage *Sender);
    void imgWordPaint(TEgImage *Sender);
    void imgIdNoPaint(TEgImage *Sender);
    void imgSpecialTrainingPaint(TEgImage *Sender);
    void imgLevelNamePaint(TEgImage *Sender);
    void imgBandNamePaint(TEgImage *Sender);
    void imgWordAndSentencePaint(TEgImage *Sender);
    void imgCounterPaint(TEgImage *Sender);
    void imgMissCountPaint(TEgImage *Sender);
    void imgFlagPaint(TEgImage *Sender);
    void imgPartPaint(TEgImage *Sender);

    // The handler names the window binds; every handler name of its form
    // description must be among them.
    QStringList BoundHandlerNames() const { return HandlerNames; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Keys of the screens: the command keys first, then the typed
    // character; each returns whether it consumed the key.
    bool FormKeyDown(QKeyEvent *event);
    bool FormKeyPress(QKeyEvent *event);
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void CreateControls();
    QString LoadPictures();
    void PlaceWindow();
    void FormPaint(QPainter &canvas);
    void DrawLevelStatistics(QPainter &canvas);
    // Judges the word on screen the way leaving the training does, then
    // records the run.
    void FinishRunInMemory();
    // The band being chosen, or null when the level has no such band.
    TBandData *CurrentBand();
    bool FormClose();
    // Acts on what a training step asks for, in its order.
    void ApplyOutcome(const TTrainingOutcome &outcome);
    void RunKeyCommand(int command);
    // Paints every area marked for repainting, now rather than later.
    void PaintPending();
    // The area where the word or the sentence is drawn.
    void InvalidateWordText();
    // Draws the word or the sentence being typed into the training picture.
    void DrawTrainingTarget(QImage &background);
    // The program-wide click and voice players.
    void PlayKeySound(int n);
    void PlayVoice(const QString &file);
    void StopVoice();
    void ClearCurVoiceFile();
    // What the window's paint adds on the training screen: the related words
    // of a completed word, the translation switch's state, the flash.
    void PaintTrainingExtras(QPainter &canvas);

    TFrmMainEnvironment Env;
    QHash<QString, TEgImage *> Controls;
    QStringList HandlerNames;
    // The first strip that could not be loaded while the controls were made.
    QString ControlError;
    bool Closing = false;
    // The progress file's text as last saved; empty until a save.
    QByteArray SavedProgress;
    bool SaveFailureTold = false;
    // A progress file that could not be read nor kept aside: never written over.
    QString ProtectedProgressFile;
    // The learner chose to end without the progress saved.
    bool GoodbyeUnsaved = false;
    TDataFolderLock DataLock;
    bool Busy = false;
    // The progress file's text for what the window holds now.
    QByteArray ProgressBytes() const;
    // Writes the progress file; an empty text, or the message.
    QString WriteScore();
    // The lock on the data folder, taken before anything is written there.
    QString LockDataFolder();
    // Sets a progress file that is not one aside, and says so.
    void KeepUnusableProgress(const QString &path, const QString &why);
    // The start screen's wait is running.
    bool WaitingOnStartScreen = false;
    // A new sentence shows left-aligned for a moment before it settles.
    bool FlashingSentence = false;
    bool PressedOnWindow = false;
};
