// The sub-window: its making, its screens and painting, and the user role.

#include "Unit1.h"

#include "EgImage.h"
#include "FormControls.h"
#include "Fonts.h"
#include "PictureStore.h"
#include "ScreenNo.h"
#include "SubFormDescription.h"
#include "SubWindowHost.h"
#include "UserFiles.h"
#include "UserList.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace {

const QString EmptyNameMessage = QStringLiteral("名前を入力してください。");
const QString DuplicateNameMessage = QStringLiteral("すでに同じ名前があります。違う名前で登録してください。");
const QString LastUserMessage = QStringLiteral("最低一つのタイポン度が必要です。");
// A name becomes a file name in "Score/", so it must not be able to reach
// outside that folder or fail to be saved.
QString UnsafeNameMessage(const QString &name)
{
    const TNameCheck check = CheckUserName(name);
    QString why;
    switch (check.Fault) {
    case TNameFault::Character:
        why = QStringLiteral("「%1」は名前に使えません。").arg(check.Character);
        break;
    case TNameFault::DotName:
        why = QStringLiteral("「.」「..」だけの名前は使えません。");
        break;
    case TNameFault::EdgeSpace:
        why = QStringLiteral("名前の前後に空白は使えません。");
        break;
    case TNameFault::Empty:
    case TNameFault::None:
        break;
    }
    return QStringLiteral("この名前は登録できません。\n%1\n"
                          "記号 \\ / : * ? \" < > | と制御文字、絵文字などの一部の文字は使えません。"
                          "違う名前で登録してください。")
        .arg(why);
}

QColor FromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QFont DescribedFont(const TFontDesc &font, const QFont &windowFont)
{
    if (!font.Face)
        return windowFont;
    return PixelFont(QString::fromUtf8(font.Face), font.PixelSize, font.Bold);
}

} // namespace

TFrmSub::TFrmSub(TSubWindowHost &host) : QDialog(&host.HostWidget()), Host(host)
{
    const TFormDesc &form = SubFormDescription();
    setObjectName(QString::fromUtf8(form.Name));
    setWindowTitle(QString::fromUtf8(form.Caption));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    // The background picture covers the whole window, so nothing is erased.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(PixelFont(QString::fromUtf8(form.Font.Face), form.Font.PixelSize, form.Font.Bold));
    PlayKeySound = [host = &host](int n) { host->PlayKeySound(n); };
    ShowMessage = [host = &host](const QString &text) { host->ShowMessage(text); };
    CreateControls();
    FormCreate();
}

TFrmSub::~TFrmSub()
{
    // The pictures go with the window; the controls are its children.
    Pictures.KeepOnly({});
}

void TFrmSub::CreateControls()
{
    QHash<QString, TEgImage::TNotifyEvent> handlers;
#define TYPEKO_BIND_SUB_HANDLER(name) handlers.insert(QStringLiteral(#name), [this](TEgImage *s) { name(s); });
    TYPEKO_SUB_HANDLERS(TYPEKO_BIND_SUB_HANDLER)
#undef TYPEKO_BIND_SUB_HANDLER

    QHash<QString, TEgImage *> images;
    for (const TControlDesc &desc : SubFormDescription().Controls) {
        const QString name = QString::fromUtf8(desc.Name);
        QWidget *widget = nullptr;
        switch (desc.Kind) {
        case TControlKind::ListBox: {
            ListBox1 = new QListWidget(this);
            ListBox1->setFrameShape(QFrame::NoFrame);
            ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
            // A long name is cut with "…" rather than widening the list.
            ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            ListBox1->setTextElideMode(Qt::ElideRight);
            ListBox1->setFont(DescribedFont(desc.Text.Font, font()));
            QPalette palette = ListBox1->palette();
            palette.setColor(QPalette::Text, FromBgr(desc.Text.TextColor));
            ListBox1->setPalette(palette);
            widget = ListBox1;
            break;
        }
        case TControlKind::Edit:
            Edit1 = new QLineEdit(this);
            Edit1->setFrame(false);
            Edit1->setMaxLength(desc.Text.MaxLength);
            Edit1->setFont(DescribedFont(desc.Text.Font, font()));
            // Names may be typed in Japanese through the input method.
            Edit1->setAttribute(Qt::WA_InputMethodEnabled, true);
            widget = Edit1;
            break;
        case TControlKind::PushButton: {
            auto *button = new QPushButton(QString::fromUtf8(desc.Text.Caption), this);
            // Enter does not press a button: the window has no keys of its own.
            button->setAutoDefault(false);
            button->setDefault(false);
            button->setFont(DescribedFont(desc.Text.Font, font()));
            if (name == u"btnCancel") {
                btnCancel = button;
                connect(button, &QPushButton::clicked, this, [this] { btnCancelClick(); });
            } else {
                BtnOK = button;
                connect(button, &QPushButton::clicked, this, [this] { BtnOKClick(); });
            }
            widget = button;
            break;
        }
        case TControlKind::Label:
            break;
        case TControlKind::Image: {
            // A missing strip leaves a blank control; the window still works.
            QString stripError;
            TEgImage *control = CreateImageControl(this, desc, handlers, stripError, Pictures);
            images.insert(name, control);
            widget = control;
            break;
        }
        }
        if (!widget)
            continue;
        widget->setObjectName(name);
        if (desc.Kind != TControlKind::Image)
            widget->setGeometry(desc.Left, desc.Top, desc.Width, desc.Height);
        widget->hide();
        Controls.append(widget);
    }

#define TYPEKO_BIND_SUB_CONTROL(name) name = images.value(QStringLiteral(#name));
    TYPEKO_SUB_IMAGE_CONTROLS(TYPEKO_BIND_SUB_CONTROL)
#undef TYPEKO_BIND_SUB_CONTROL
}

void TFrmSub::FormCreate()
{
    Edited = {-1, -1, -1, -1, -1, -1};
    bTypeSound = {bTypeSound1, bTypeSound2, bTypeSound3};
    bMissSound = {bMissSound1, bMissSound2};
    bDispWord = {bDispWord1, bDispWord2};
    bVoice = {bVoice1, bVoice2};
    bMeaning = {bMeaning1, bMeaning2, bMeaning3};
    bGuide = {bGuide1, bGuide2, bGuide3, bGuide4};

    PlaceWindow();
}

void TFrmSub::PlaceWindow()
{
    const TFormDesc &form = SubFormDescription();
    const QRect outer = Host.HostWidget().frameGeometry();
    setFixedSize(form.ClientWidth, form.ClientHeight);
    // The window has no frame, so its outer size is its client size.
    move(outer.left() + (outer.width() - form.ClientWidth) / 2, outer.top() + (outer.height() - form.ClientHeight) / 2);
}

void TFrmSub::SetSubScreen(int ScreenNo)
{
    for (QWidget *control : std::as_const(Controls))
        if (control->isVisible())
            control->hide();
    for (const TControlDesc &desc : SubFormDescription().Controls) {
        if (!desc.Screens.Contains(ScreenNo))
            continue;
        if (QWidget *control = findChild<QWidget *>(QString::fromUtf8(desc.Name), Qt::FindDirectChildrenOnly))
            control->show();
    }
    CurScreenNo = ScreenNo;
    // Only the background shown is held decoded. A missing one paints as
    // nothing; the controls still show.
    Pictures.KeepOnly({ScreenPictureName(ScreenNo)});
    Pictures.Picture(ScreenPictureName(ScreenNo));
    update();
}

void TFrmSub::InitSubScreen(int ScreenNo)
{
    if (ScreenNo == scUserList) {
        FillUserList();
    } else if (ScreenNo == scOptions) {
        const TOptions &options = Host.Options();
        SetTypeSoundNo(options.TypeSoundNo);
        SetMissSoundNo(options.MissSoundNo);
        SetDispWordNo(options.DispWordNo);
        SetVoiceNo(options.VoiceNo);
        SetMeaningNo(options.MeaningNo);
        SetGuideNo(options.GuideNo);
    }
}

void TFrmSub::paintEvent(QPaintEvent *)
{
    QPainter canvas(this);
    FormPaint(canvas);
}

void TFrmSub::FormPaint(QPainter &canvas)
{
    if (CurScreenNo == scNone)
        return;
    canvas.drawImage(0, 0, Pictures.Picture(ScreenPictureName(CurScreenNo)));
}

void TFrmSub::FillUserList()
{
    ListBox1->clear();
    NormaliseUserFiles(Host.DataPath());
    const QStringList users = ReadUserList(Host.DataPath());
    for (qsizetype i = 0; i < users.size(); ++i)
        InsertListItem(int(i), users[i]);
    const qsizetype current = IndexOfUser(Users(), Host.UserId());
    ListBox1->setCurrentRow(int(current >= 0 ? current : 0));
}

QStringList TFrmSub::Users() const
{
    QStringList users;
    for (int i = 0; i < ListBox1->count(); ++i)
        users.append(ListBox1->item(i)->data(Qt::UserRole).toString());
    return users;
}

QString TFrmSub::SelectedUser() const
{
    const QListWidgetItem *item = ListBox1->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void TFrmSub::InsertListItem(int row, const QString &name)
{
    // The list shows what fits its width and keeps the whole name.
    const int room = ListBox1->width() - 2 * ListBox1->frameWidth() - 8;
    auto *item = new QListWidgetItem(ListBox1->fontMetrics().elidedText(name, Qt::ElideRight, room));
    item->setData(Qt::UserRole, name);
    ListBox1->insertItem(row, item);
}

void TFrmSub::ImgBtnAddClick(TEgImage *)
{
    SetSubScreen(scUserName);
    Edit1->clear();
    Edit1->setFocus();
}

void TFrmSub::ImgBtnAddAClick(TEgImage *)
{
    QStringList users = Users();
    // A character "Score.ini" would give back as another is stored in the
    // form it comes back in, so the name opens the same file next time.
    const TNormalisedName typed = NormaliseUserName(Edit1->text());
    const QString name = typed.Name;
    switch (CheckNewUserName(users, name)) {
    case TNewUserCheck::Empty:
        ShowMessage(EmptyNameMessage);
        return;
    case TNewUserCheck::Unsafe:
        ShowMessage(UnsafeNameMessage(name));
        return;
    case TNewUserCheck::Duplicate:
        ShowMessage(DuplicateNameMessage);
        return;
    case TNewUserCheck::Ok:
        break;
    }
    SetSubScreen(scUserList);
    const qsizetype place = InsertUser(users, name);
    InsertListItem(int(place), name);
    ListBox1->setCurrentRow(int(place));
    // The name stays listed even when its file cannot be made; choosing it
    // then starts from a fresh progress.
    if (const QString error = Host.SaveFile(ProgressFilePath(Host.DataPath(), name), QByteArray()); !error.isEmpty())
        ShowMessage(error);
}

void TFrmSub::ImgBtnCancelAClick(TEgImage *)
{
    SetSubScreen(scUserList);
}

void TFrmSub::ImgBtnDeleteClick(TEgImage *)
{
    if (ListBox1->count() == 1) {
        ShowMessage(LastUserMessage);
        return;
    }
    SetSubScreen(scUserDelete);
}

void TFrmSub::ImgBtnDeleteDClick(TEgImage *)
{
    SetSubScreen(scUserList);
    const int index = ListBox1->currentRow();
    if (index < 0)
        return;
    const QString name = ListBox1->item(index)->data(Qt::UserRole).toString();
    // Every listed name is a safe one, so the file lies inside "Score/"; a
    // failure to delete leaves the file and still drops the name.
    if (IsSafeUserName(name))
        QFile::remove(ProgressFilePath(Host.DataPath(), name));
    delete ListBox1->takeItem(index);
    ListBox1->setCurrentRow(int(SelectionAfterRemoval(index, ListBox1->count())));
}

void TFrmSub::ImgBtnCancelDClick(TEgImage *)
{
    SetSubScreen(scUserList);
}

void TFrmSub::imgUserIdPaint(TEgImage *Sender)
{
    QPainter &canvas = *Sender->Canvas();
    canvas.setBrush(Qt::NoBrush);
    canvas.setFont(PointFont(FaceMsPGothic, 12, true));
    canvas.setPen(QColor(255, 0, 0));
    // A name wider than the box is cut with "…" instead of running out of it.
    TextOut(canvas, 8, 8, canvas.fontMetrics().elidedText(SelectedUser(), Qt::ElideRight, Sender->width() - 8));
}

void TFrmSub::ImgBtnSelectClick(TEgImage *)
{
    if (CurScreenNo == scUserList) {
        Host.SelectUser(SelectedUser());
    }
    done(1);
}

void TFrmSub::ImgBtnCancelClick(TEgImage *Sender)
{
    if (IndexOfUser(Users(), Host.UserId()) < 0) {
        ImgBtnSelectClick(Sender);
        return;
    }
    done(2);
}

int ShowSubForm(TSubWindowHost &Host, int ScreenNo)
{
    int result = 2;
    {
        // Owned by this scope, so the window is released however the modal
        // loop ends.
        TFrmSub FrmSub(Host);
        FrmSub.SetSubScreen(ScreenNo);
        FrmSub.InitSubScreen(ScreenNo);
        result = FrmSub.exec();
    }
    QCoreApplication::processEvents();
    return result;
}
