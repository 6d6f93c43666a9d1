#pragma once

#include "BandPieces.h"
#include "CourseChoice.h"
#include "CourseData.h"
#include "DataFolder.h"
#include "DataFolderLock.h"
#include "PanelView.h"
#include "PictureStore.h"
#include "ProgressFile.h"
#include "ScreenNo.h"
#include "SubWindowHost.h"
#include "TrainingOptions.h"
#include "TrainingOutcome.h"
#include "TrainingState.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRegion>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <random>
#include <utility>

class QLabel;

// The goodbye of a close that could not save the progress.
inline QString UnsavedGoodbyeName()
{
    return ScreenPictureName(scGoodbye) + u'N';
}
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

// Every handler the main form description names, each a member of the
// window under the same name.
#define TYPEKO_MAIN_HANDLERS(X)                                                                                        \
    X(FormClick) X(ImgBtn1Click) X(ImgBtn2Click) X(ImgBtn3Click) X(ImgBtnPrevClick) X(ImgBtnNextClick) X(bBackClick)   \
    X(bNameSelectClick) X(bSetupClick) X(bLevel1Click) X(bBandAClick) X(bWordAndSentenceClick) X(bNewWordClick)        \
    X(bNewWordTypeClick) X(bTrainingClick) X(bRewindClick) X(bForwardClick) X(bHintClick) X(bNaturalClick)             \
    X(bTrans2Click) X(imgCheckClick) X(imgUserId2Paint) X(imgLevelName2Paint) X(bBandAPaint) X(bBandTotalPaint)        \
    X(imgWordMeaningPaint) X(imgSentensMeaningPaint) X(imgMessagePaint) X(imgWordPaint) X(imgIdNoPaint)                \
    X(imgSpecialTrainingPaint) X(imgLevelNamePaint) X(imgBandNamePaint) X(imgWordAndSentencePaint)                     \
    X(imgCounterPaint) X(imgMissCountPaint) X(imgFlagPaint) X(imgPartPaint)

// What the window takes from its surroundings, so that tests can give it a
// folder of their own, a clock that does not sleep and messages they read.
struct TFrmMainEnvironment {
    // Folder of the program, ending in "/"; empty: the executable's folder.
    QString ExePath;
    TDataFolderEnvironment DataFolder = SystemDataFolderEnvironment();
    // Runs `then` once `ms` have passed, while the window goes on handling
    // events and painting; by default a single-shot timer. Tests run `then`
    // at once. The goodbye, a level choice, the sentence flash and the start
    // screen's wait are made of such pauses.
    std::function<void(int ms, std::function<void()> then)> Pause;
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
    // Where the pictures come from by resource name; empty: the program's
    // own. Tests hand in damaged ones.
    TPictureSource Pictures;
    // The first screen's pictures, already being decoded on another thread
    // (FirstScreenPictures); empty: each is decoded when first needed.
    std::shared_ptr<TDecodeAhead> DecodedAhead;
};

// The main window: it owns all lasting state of the program under the
// names the rest of the program uses, and its handlers keep thin, calling
// the logic and asking the renderers to paint. The run lives in Run, which
// the training logic takes by reference; the sub-window reaches the window
// only through its host interface.
class TFrmMain : public QWidget, public TSubWindowHost {
    Q_OBJECT
    // Tests set up states a learner reaches only through long runs; this is
    // their one way in, and the program never uses it.
    friend struct TFrmMainTestAccess;

public:
    static inline const QString ApplicationTitle = QStringLiteral("タイポンで英作トレーニング（体験版）");
    static inline const QString LockName = QStringLiteral("TypeKo_try");
    static inline const QString WindowClassName = QStringLiteral("TApplication");

    explicit TFrmMain(TFrmMainEnvironment env = {}, QWidget *parent = nullptr);
    // What the first screen paints: its picture and its controls' strips.
    static QStringList FirstScreenPictures();
    // Frees the pictures and releases what start-up made.
    ~TFrmMain() override;

    // The whole start-up. Returns an empty text, or the reason start-up
    // stopped, which the caller shows before it ends the program.
    QString FormCreate();
    // Start-up stopped because another running copy uses the data folder;
    // it answers at this address (empty when it left none).
    bool DataFolderBusy() const { return Busy; }
    QString BusyCopyServer() const { return TDataFolderLock::AdvertisedServer(FDataPath); }

    // Ends the program at once, the way a request to terminate from the
    // system does: the run on screen is recorded and the progress and
    // "Score.ini" are saved without a question, a message or the goodbye
    // picture. A save that fails leaves the old files as they were.
    [[noreturn]] void QuietClose();

    // Screens.
    void SetScreen(int ScreenNo);
    int CurScreenNo() const { return FCurScreenNo; }
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
    // A run ends on the course screen, painted first, then saved.
    void ShowCourseThenSave();

    // Course choices; writing one highlights its button.
    int LevelNo() const { return FLevelNo; }
    void SetLevelNo(int value);
    int BandNo() const { return FBandNo; }
    void SetBandNo(int value);
    TPattern Pattern() const { return Choice.Pattern; }
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

    // What the window holds, to read: the course with the learner's
    // results, and the run with the item being typed.
    const TDataList &Data() const { return FData; }
    const TTrainingState &RunState() const { return Run; }

    // The host of the sub-window.
    QWidget &HostWidget() override { return *this; }
    const TOptions &Options() const override { return FOptions; }
    QString DataPath() const override { return FDataPath; }
    QString UserId() const override { return FUserId; }
    void SelectUser(const QString &name) override;
    void ApplyOptions(const TOptions &options) override;
    QString SaveFile(const QString &path, const QByteArray &bytes) override { return Env.SaveFile(path, bytes); }
    void ShowMessage(const QString &text) override { Env.ShowMessage(text); }
    void PlayKeySound(int n) override;

    // Handlers bound by name from the form description; the one list of
    // them declares each and binds it.
#define TYPEKO_DECLARE_HANDLER(name) void name(TEgImage *Sender);
    TYPEKO_MAIN_HANDLERS(TYPEKO_DECLARE_HANDLER)
#undef TYPEKO_DECLARE_HANDLER

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
    // Sets the frames of the level, band, pattern, source and type buttons
    // from the choices.
    void ShowChoices();
    // What a screen shows beyond its controls' rows in the form table.
    void ApplyScreenRules(int ScreenNo);
    // A button that cannot be used shows greyed, neither lights up nor
    // presses, and keeps the arrow cursor.
    static void ShowGreyed(TEgImage *button, bool greyed);
    void ShowTrans2Switch();
    // Checks at start-up that every picture of the window is there and
    // whole, without decoding any: an empty text, or the message.
    QString CheckPictures() const;
    // The pictures a screen draws: its background and the strips its
    // paint reads.
    QStringList PicturesOf(int ScreenNo) const;
    // Holds decoded what the screen now shown and the ones that certainly
    // follow it need, and frees every other picture and strip, once this
    // screen has painted (SettlePictures); what the following screens lack
    // is decoded then too.
    void HoldPicturesOf(int ScreenNo);
    void SettlePictures(int ScreenNo);
    // Decodes ahead what a screen draws: its pictures and its controls'
    // strips.
    void DecodePicturesOf(int ScreenNo);
    // A picture the paint reads, decoded on first use.
    QImage Picture(const QString &name) { return Pictures.Picture(name); }
    void PlaceWindow();
    // Paints the part `area` of the window; nothing outside it is drawn.
    void FormPaint(QPainter &canvas, const QRegion &area);
    void DrawLevelStatistics(QPainter &canvas);
    // Judges the word on screen the way leaving the training does, then
    // records the run.
    void FinishRunInMemory();
    // The band being chosen, or null when the level has no such band.
    TBandData *CurrentBand();
    bool FormClose();
    // Tells each malformed annotation of the course once, as it is loaded,
    // so that painting never opens a message.
    void ReportMarkupProblems();
    // Acts on what a training step asks for, in its order.
    void ApplyOutcome(const TTrainingOutcome &outcome);
    void RunKeyCommand(int command);
    // Paints every area marked for repainting, now rather than later.
    void PaintPending();
    // Where the pronunciation marks go, and drawing them.
    QRegion SoundMarkArea() const;
    void DrawSoundMarks(QPainter &canvas);
    // The pieces the word or the sentence being typed is drawn from now.
    TBandPieces TargetPieces();
    // Repaints what the typing state changed of the word or the sentence,
    // of its related words and of the instruction since they were last
    // asked to be painted.
    void InvalidateWordText();
    // Repaints the band of a target laid out afresh: what differs from the
    // target shown before, or with `wholeBand` all of it.
    void InvalidateTarget(bool wholeBand);
    // The sense whose inflections and related words the window's paint adds
    // below a completed word; null while none show.
    const TSentenceData *RelatedWordsShown() const;
    // Repaints the related words where they appear or go; with `relaid` the
    // target changed, and with it what they are.
    void FollowRelatedWords(bool relaid);
    // Repaints imgMessage when its instruction changed.
    void InvalidateMessage();
    // What the training panels read of the run and the options.
    TPanelView PanelView() const;
    // Draws the word or the sentence being typed onto a copy of the
    // training picture, within `area`.
    void DrawTrainingTarget(QImage &frame, const QRegion &area);
    // Opens the sound device for the clicks and the voices, once; start-up
    // does it after the first paint, and the first sound does it when it
    // comes sooner.
    void StartSound();
    bool SoundStarted = false;
    // The screen whose pictures are settled after its paint, or scNone.
    int PicturesToSettle = scNone;
    // The program-wide voice player.
    void PlayVoice(const QString &file);
    void StopVoice();
    void ClearCurVoiceFile();
    // What the window's paint adds on the training screen: the related words
    // of a completed word, the translation switch's state, the flash; `area`
    // is the part of the window being painted.
    void PaintTrainingExtras(QPainter &canvas, const QRegion &area);

    QLabel *LblVersion = nullptr;
    // The parent of every control: a screen change hides it while it shows
    // and hides controls, so that Qt looks for the pointer once, when it
    // shows again, instead of once for each control shown (a round trip to
    // the X server each). It draws nothing and takes no input of its own.
    QWidget *ControlLayer = nullptr;
#define TYPEKO_DECLARE_CONTROL(name) TEgImage *name = nullptr;
    TYPEKO_MAIN_IMAGE_CONTROLS(TYPEKO_DECLARE_CONTROL)
#undef TYPEKO_DECLARE_CONTROL

    // Lasting state. The run and the item being typed are in Run.
    QString ExePath;
    int FCurScreenNo = scNone;
    // Every picture of the window by resource name, decoded while a screen
    // in reach needs it.
    TPictureStore Pictures;
    TDataList FData;
    TTrainingState Run;
    bool SkipStartScreen = false;
    bool ScoreSaved = false;
    std::array<TEgImage *, 8> bLevel{};
    int FLevelNo = -1;
    std::array<TEgImage *, 3> bBand{};
    int FBandNo = -1;
    std::array<TEgImage *, 4> bPattern{};
    std::array<TEgImage *, 4> bWordType{};
    // Pattern, word source and word type; the buttons show it.
    TCourseChoice Choice;
    QString FDataPath;
    QString FUserId;
    TOptions FOptions{-1, -1, -1, -1, -1, -1};
    // The shuffle of a run draws from this, seeded from the clock at start-up.
    std::mt19937 Random;
    // A writing-guide label of the element being typed reached the right
    // edge of the sentence area at the last drawing.
    bool GuideMarkAtEdge = false;
    // What the last repaint requests of the training screen put there: the
    // pieces of the target, the area of its related words and the
    // instruction, so that a key repaints only what differs from them.
    TBandPieces TargetOnScreen;
    // Whether those pieces are a word's or a sentence's. Entering the
    // training screen repaints the whole window, so what they held before
    // does not matter.
    TWordOrSentence TargetKindOnScreen = wsWord;
    QRegion RelatedWordsOnScreen;
    bool RelatedWordsVisible = false;
    QString MessageOnScreen;
    // The target's pronunciation marks, each a place on the training
    // picture and its cell of the SOUND strip, drawn over a strip cleared to
    // white once a target has been laid out; and the frame each paint of
    // the training screen is composed in.
    bool SoundMarksLaid = false;
    QList<std::pair<QRect, QRect>> SoundMarks;
    QImage TrainingFrame;
    // The training screen's rewind button has an earlier target to go to.
    bool RewindAvailable = false;

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
    // Checks the start screen's wait until its end, then begins the run.
    void WaitOnStartScreen(qint64 deadline);
    // Runs `then` after a pause during which clicks and keys are ignored.
    void PauseThen(int ms, std::function<void()> then);
    bool InputPaused = false;
    // The goodbye is on screen; the window closes when it is over.
    bool GoodbyeShowing = false;
    // A new sentence shows left-aligned for a moment before it settles.
    bool FlashingSentence = false;
    bool PressedOnWindow = false;
};
