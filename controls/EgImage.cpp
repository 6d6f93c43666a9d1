#include "EgImage.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

// ---- Picture strips ----

const QImage &TEgImage::TPicture::Image() const
{
    if (FImage.isNull() && FDecode && !FDecodeFailed) {
        const QImage decoded = FDecode();
        FDecodeFailed = decoded.isNull();
        if (!FDecodeFailed)
            FImage = Converted(decoded);
    }
    return FImage;
}

void TEgImage::TPicture::Assign(const QImage &image)
{
    FDecode = nullptr;
    FDecodeFailed = false;
    FImage = image.isNull() ? QImage() : Converted(image);
    FSize = FImage.size();
    Changed();
    if (OnChange)
        OnChange();
}

void TEgImage::TPicture::AssignDeferred(QSize size, std::function<QImage()> decode)
{
    FDecode = std::move(decode);
    FDecodeFailed = false;
    FImage = QImage();
    FSize = FDecode ? size : QSize(0, 0);
    Changed();
    if (OnChange)
        OnChange();
}

void TEgImage::TPicture::FreeDecoded()
{
    if (!FDecode || FImage.isNull())
        return;
    FImage = QImage();
    Changed();
}

QImage TEgImage::TBitmap::Converted(const QImage &image) const
{
    return image.convertToFormat(QImage::Format_RGB32);
}

void TEgImage::TBitmap::Changed()
{
    FKeyed = QImage();
}

void TEgImage::TBitmap::SetTransparent(bool transparent)
{
    FTransparent = transparent;
}

QRgb TEgImage::TBitmap::TransparentColor() const
{
    if (Width() <= 0 || Height() <= 0)
        return 0;
    return Image().pixel(0, Height() - 1) | 0xFF000000u;
}

void TEgImage::TBitmap::Draw(QPainter &painter, QPoint origin) const
{
    if (!FTransparent) {
        painter.drawImage(origin, Image());
        return;
    }
    if (FKeyed.isNull()) {
        const QRgb key = TransparentColor();
        FKeyed = Image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < FKeyed.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(FKeyed.scanLine(y));
            std::replace(line, line + FKeyed.width(), key, QRgb(0));
        }
    }
    painter.drawImage(origin, FKeyed);
}

QImage TEgImage::TPngImage::Converted(const QImage &image) const
{
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

// ---- The control ----

TEgImage::TEgImage(QWidget *parent)
    : QWidget(parent)
{
    // No control takes the focus, so the window receives every key.
    setFocusPolicy(Qt::NoFocus);
    // The control never claims to be opaque: the parent paints its
    // background beneath it, which transparent frames and panels without a
    // picture rely on, and an opaque frame simply covers it.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(false);
    setCursor(Qt::PointingHandCursor);
    resize(32, 32);
    InstallBitmap(std::make_unique<TBitmap>());
    InstallPngImage(std::make_unique<TPngImage>());
}

TEgImage::~TEgImage() = default;

void TEgImage::InstallBitmap(std::unique_ptr<TBitmap> bitmap)
{
    FBitmap = std::move(bitmap);
    FBitmap->OnChange = [this] { BitmapChanged(); };
}

void TEgImage::InstallPngImage(std::unique_ptr<TPngImage> pngImage)
{
    FPngImage = std::move(pngImage);
    FPngImage->OnChange = [this] { PngImageChanged(); };
}

void TEgImage::BeginLoading()
{
    FLoading = true;
}

void TEgImage::EndLoading()
{
    FLoading = false;
    SetAutoSize(true);
}

void TEgImage::SetAutoSize(bool autoSize)
{
    FAutoSize = autoSize;
    SetBounds(Left(), Top(), Width(), Height());
}

// A count below 1 is kept as written but sizes and frames treat it as one
// frame spanning the whole picture, so nothing divides by zero.
int TEgImage::FrameDivisor() const
{
    return std::max(1, FNumBitmaps);
}

// The PNG strip wins whenever it holds anything.
const TEgImage::TPicture &TEgImage::PictureInUse() const
{
    if (FPngImage->Width() != 0)
        return *FPngImage;
    return *FBitmap;
}

bool TEgImage::HasPicture() const
{
    if (FBitmap->Width() > 0 && FBitmap->Height() > 0)
        return true;
    return FPngImage->Width() > 0 && FPngImage->Height() > 0;
}

void TEgImage::SetBounds(int left, int top, int width, int height)
{
    if (FAutoSize) {
        // These controls are never aligned to a side of their parent, so
        // both the width and the height follow the picture.
        const TPicture &picture = PictureInUse();
        if (picture.Width() >= 1 && picture.Height() >= 1) {
            width = picture.Width() / FrameDivisor();
            height = picture.Height();
        }
    }
    setGeometry(left, top, width, height);
}

void TEgImage::SetLeft(int left)
{
    SetBounds(left, Top(), Width(), Height());
}

void TEgImage::SetTop(int top)
{
    SetBounds(Left(), top, Width(), Height());
}

void TEgImage::SetWidth(int width)
{
    SetBounds(Left(), Top(), width, Height());
}

void TEgImage::SetHeight(int height)
{
    SetBounds(Left(), Top(), Width(), height);
}

void TEgImage::ResizeToFrame(const TPicture &picture)
{
    if (picture.Width() > 0 && picture.Height() > 0)
        SetBounds(Left(), Top(), picture.Width() / FrameDivisor(), picture.Height());
}

// Requests made while the control paints are dropped, so a handler that
// changes the control from inside OnPaint cannot start a repaint loop.
void TEgImage::RequestRepaint()
{
    if (!FDrawing)
        Invalidate();
}

void TEgImage::Invalidate()
{
    // The window paints beneath the control in any case, so the request is
    // made on the window's area: with the window's own requests it then
    // makes one paint instead of one for the window and one for the controls.
    QWidget *owner = window();
    if (owner == this || !isVisible())
        update();
    else
        owner->update(QRect(mapTo(owner, QPoint(0, 0)), size()));
}

void TEgImage::Repaint()
{
    repaint();
}

void TEgImage::BitmapChanged()
{
    ResizeToFrame(*FBitmap);
    FBitmap->SetTransparent(FTransparent);
    // Palettes do not exist on this platform, so there is no palette to
    // realise here: a change asks for a repaint unless the control paints.
    RequestRepaint();
}

void TEgImage::PngImageChanged()
{
    ResizeToFrame(*FPngImage);
    RequestRepaint();
}

void TEgImage::UpdatePngImage()
{
    PngImageChanged();
}

void TEgImage::SetBitmap(const QImage &bitmap)
{
    FBitmap->Assign(bitmap);
    if (FBitmap->Width() != 0 && FPngImage->Width() != 0) {
        InstallPngImage(std::make_unique<TPngImage>());
        // The size followed the PNG strip while it was still in use; with it
        // gone the control becomes one frame of the bitmap.
        SetBounds(Left(), Top(), Width(), Height());
    }
}

void TEgImage::SetPngImage(const QImage &pngImage)
{
    FPngImage->Assign(pngImage);
    if (FBitmap->Width() != 0 && FPngImage->Width() != 0)
        InstallBitmap(std::make_unique<TBitmap>());
    PngImageChanged();
}

void TEgImage::SetPngImageDeferred(QSize size, std::function<QImage()> decode)
{
    FPngImage->AssignDeferred(size, std::move(decode));
    if (FBitmap->Width() != 0 && FPngImage->Width() != 0)
        InstallBitmap(std::make_unique<TBitmap>());
    PngImageChanged();
}

void TEgImage::FreeDecodedStrip()
{
    FPngImage->FreeDecoded();
    FBitmap->FreeDecoded();
}

void TEgImage::SetNumBitmaps(int numBitmaps)
{
    if (numBitmaps < 0 || numBitmaps == FNumBitmaps)
        return;
    FNumBitmaps = numBitmaps;
    // Indexes that no longer name a frame fall back quietly, without a
    // repaint request of their own.
    if (FImageIndex >= numBitmaps)
        FImageIndex = 0;
    if (FMouseDownImageIndex >= numBitmaps)
        FMouseDownImageIndex = -1;
    if (FMouseOverImageIndex >= numBitmaps)
        FMouseOverImageIndex = -1;
    const TPicture &picture = PictureInUse();
    if (picture.Width() > 0 && picture.Height() > 0)
        SetWidth(picture.Width() / FrameDivisor());
}

void TEgImage::SetImageIndex(int index)
{
    if (!FLoading && index >= FNumBitmaps)
        return;
    if (index != FImageIndex) {
        FImageIndex = index;
        RequestRepaint();
    }
}

void TEgImage::SetMouseDownImageIndex(int index)
{
    if (!FLoading && (index < -1 || index >= FNumBitmaps))
        return;
    if (index != FMouseDownImageIndex) {
        FMouseDownImageIndex = index;
        RequestRepaint();
    }
}

void TEgImage::SetMouseOverImageIndex(int index)
{
    if (!FLoading && (index < -1 || index >= FNumBitmaps))
        return;
    if (index != FMouseOverImageIndex) {
        FMouseOverImageIndex = index;
        RequestRepaint();
    }
}

void TEgImage::SetTransparent(bool transparent)
{
    if (transparent == FTransparent)
        return;
    FTransparent = transparent;
    BitmapChanged();
}

void TEgImage::SetCursor(Qt::CursorShape shape)
{
    setCursor(shape);
}

// The pointer over the control picks the down or hover frame; -1 for either
// falls back to the normal frame, and so does a pointer outside the control
// even while the button pressed on it is still held.
int TEgImage::ShownImageIndex() const
{
    if (!FMouseInControl)
        return FImageIndex;
    const int candidate = FDown ? FMouseDownImageIndex : FMouseOverImageIndex;
    return candidate == -1 ? FImageIndex : candidate;
}

void TEgImage::paintEvent(QPaintEvent *)
{
    struct TRestore {
        TEgImage *Control;
        bool WasDrawing;
        QPainter *OldCanvas;
        ~TRestore()
        {
            Control->FDrawing = WasDrawing;
            Control->FCanvas = OldCanvas;
        }
    } restore{this, FDrawing, FCanvas};
    FDrawing = true;

    QPainter painter(this);
    FCanvas = &painter;

    // The whole strip is drawn shifted and the widget's clip keeps exactly
    // frame k, so no frame is ever copied out of it.
    const QPoint origin(-Width() * ShownImageIndex(), 0);
    if (FPngImage->Width() != 0) {
        if (FPngImage->Width() > 0 && FPngImage->Height() > 0)
            painter.drawImage(origin, FPngImage->Image());
    } else if (FBitmap->Width() > 0 && FBitmap->Height() > 0) {
        FBitmap->Draw(painter, origin);
    }

    if (FOnPaint)
        FOnPaint(this);
}

void TEgImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // Qt keeps sending the pointer to this control until the release.
    FClickStarted = true;
    if (isEnabled() && !FDown) {
        FDown = true;
        if (HasPicture())
            RequestRepaint();
    }
}

// The control takes no double-clicks: the second quick press is an ordinary
// press, so two quick clicks are two clicks.
void TEgImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

// While a button is held Qt reports leaving and entering only at the
// release, so the pointer's position decides whether it is over the control.
void TEgImage::mouseMoveEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        MouseEnter();
    else
        MouseLeave();
}

void TEgImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (isEnabled() && FDown) {
        FDown = false;
        if (HasPicture())
            RequestRepaint();
    }
    // OnClick runs with FDown already cleared, so it sees the hover frame.
    const bool clicked = FClickStarted && rect().contains(event->position().toPoint());
    FClickStarted = false;
    if (clicked && FOnClick)
        FOnClick(this);
}

void TEgImage::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    MouseEnter();
}

void TEgImage::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    MouseLeave();
}

void TEgImage::MouseEnter()
{
    if (FMouseInControl || !isEnabled())
        return;
    FMouseInControl = true;
    const int applied = FDown ? FMouseDownImageIndex : FMouseOverImageIndex;
    if (applied != -1 && HasPicture())
        RequestRepaint();
}

// Leaving paints at once, so the hover frame never lingers behind the
// pointer while the window is busy.
void TEgImage::MouseLeave()
{
    if (!FMouseInControl || !isEnabled())
        return;
    FMouseInControl = false;
    const int applied = FDown ? FMouseDownImageIndex : FMouseOverImageIndex;
    if (applied != -1 && !FDrawing)
        Repaint();
}
