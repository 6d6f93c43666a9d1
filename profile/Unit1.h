#pragma once

#include "PictureStore.h"
#include "ProgressFile.h"
#include "ScreenNo.h"

#include <QDialog>
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <span>

class QLineEdit;
class QListWidget;
class QPushButton;
class TEgImage;
class TSubWindowHost;

// The picture controls of the sub-window in form order; the window holds
// each under its own name.
#define TYPEKO_SUB_IMAGE_CONTROLS(X)                                                                                   \
    X(ImgBtnAdd) X(ImgBtnDelete) X(ImgBtnCancel) X(ImgBtnSelect) X(ImgBtnCancelA) X(ImgBtnAddA) X(imgUserId)           \
    X(ImgBtnCancelD) X(ImgBtnDeleteD) X(bTypeSound1) X(bTypeSound2) X(bTypeSound3) X(bMissSound1) X(bMissSound2)       \
    X(bDispWord1) X(bDispWord2) X(bVoice1) X(bVoice2) X(bMeaning1) X(bMeaning2) X(bMeaning3) X(bGuide1) X(bGuide2)     \
    X(bGuide3) X(bGuide4)

// Every handler the sub-window's form description names, each a member of
// the window under the same name.
#define TYPEKO_SUB_HANDLERS(X)                                                                                         \
    X(ImgBtnAddClick) X(ImgBtnAddAClick) X(ImgBtnCancelAClick) X(ImgBtnDeleteClick) X(ImgBtnDeleteDClick)              \
    X(ImgBtnCancelDClick) X(ImgBtnSelectClick) X(ImgBtnCancelClick) X(imgUserIdPaint) X(bTypeSound1Click)              \
    X(bMissSound1Click) X(bDispWord1Click) X(bVoice1Click) X(bMeaning1Click) X(bGuide1Click)

// The modal sub-window over the middle of the main window. Opened on 11000
// it is the user dialog (the list 11000, name entry 11001, delete
// confirmation 11002); opened on 12100 it is the options dialog. A new one
// is made for every opening and keeps nothing between openings; it reads
// the main window's state and acts on it only through its host interface.
class TFrmSub : public QDialog {
    Q_OBJECT

public:
    // Builds the controls; the window is placed over the middle of the
    // host's window as it stands now. Each background is decoded when its
    // screen shows.
    explicit TFrmSub(TSubWindowHost &Host);
    ~TFrmSub() override;

    void SetSubScreen(int ScreenNo);
    void InitSubScreen(int ScreenNo);

    // The options being edited; a write marks the switch of the value, and a
    // value outside the group's range is kept but marks none.
    int TypeSoundNo() const { return Edited.TypeSoundNo; }
    void SetTypeSoundNo(int value);
    int MissSoundNo() const { return Edited.MissSoundNo; }
    void SetMissSoundNo(int value);
    int DispWordNo() const { return Edited.DispWordNo; }
    void SetDispWordNo(int value);
    int VoiceNo() const { return Edited.VoiceNo; }
    void SetVoiceNo(int value);
    int MeaningNo() const { return Edited.MeaningNo; }
    void SetMeaningNo(int value);
    int GuideNo() const { return Edited.GuideNo; }
    void SetGuideNo(int value);

    int CurScreenNo = scNone;
    // The four backgrounds by resource name, owned by the window; only the
    // one of the screen shown is held decoded.
    TPictureStore Pictures;

    QListWidget *ListBox1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *btnCancel = nullptr;
    QPushButton *BtnOK = nullptr;
#define TYPEKO_DECLARE_SUB_CONTROL(name) TEgImage *name = nullptr;
    TYPEKO_SUB_IMAGE_CONTROLS(TYPEKO_DECLARE_SUB_CONTROL)
#undef TYPEKO_DECLARE_SUB_CONTROL

    std::array<TEgImage *, 3> bTypeSound{};
    std::array<TEgImage *, 2> bMissSound{};
    std::array<TEgImage *, 2> bDispWord{};
    std::array<TEgImage *, 2> bVoice{};
    std::array<TEgImage *, 3> bMeaning{};
    std::array<TEgImage *, 4> bGuide{};

    // Seams, filled from the host: the previews' clicks and the dialog's
    // messages (empty title, warning icon, one OK button).
    std::function<void(int n)> PlayKeySound;
    std::function<void(const QString &text)> ShowMessage;

    // User role.
    void ImgBtnAddClick(TEgImage *Sender);
    void ImgBtnAddAClick(TEgImage *Sender);
    void ImgBtnCancelAClick(TEgImage *Sender);
    void ImgBtnDeleteClick(TEgImage *Sender);
    void ImgBtnDeleteDClick(TEgImage *Sender);
    void ImgBtnCancelDClick(TEgImage *Sender);
    void ImgBtnSelectClick(TEgImage *Sender);
    void ImgBtnCancelClick(TEgImage *Sender);
    void imgUserIdPaint(TEgImage *Sender);

    // Options role.
    void bTypeSound1Click(TEgImage *Sender);
    void bMissSound1Click(TEgImage *Sender);
    void bDispWord1Click(TEgImage *Sender);
    void bVoice1Click(TEgImage *Sender);
    void bMeaning1Click(TEgImage *Sender);
    void bGuide1Click(TEgImage *Sender);
    void BtnOKClick();
    void btnCancelClick();

    // The list's names in their order, and the selected one ("" when none).
    QStringList Users() const;
    QString SelectedUser() const;

public slots:
    // The window's only ways out are its own buttons: Escape and a close
    // request from the desktop do nothing.
    void reject() override {}

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void FormCreate();
    void CreateControls();
    void PlaceWindow();
    void FormPaint(QPainter &canvas);
    void FillUserList();
    void InsertListItem(int row, const QString &name);
    // Writes one option of a group: clears the old value's switch, marks the new.
    static void WriteOption(std::int32_t &field, int value, std::span<TEgImage *const> group);

    TSubWindowHost &Host;
    // Every control in form order, for the screen switch.
    QList<QWidget *> Controls;
    // The options being edited; -1 marks no switch of its group.
    TOptions Edited{-1, -1, -1, -1, -1, -1};
};

// Opens a new sub-window on a screen over the host and runs it modally.
// Returns 1 for OK or Select, 2 for Cancel. The window is gone when this
// returns, and pending events have been processed once so that the main
// window has repainted.
int ShowSubForm(TSubWindowHost &Host, int ScreenNo);
