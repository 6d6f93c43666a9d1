#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QPainter;

// The picture control of both windows: every button, switch and panel is one.
// It shows one frame of a picture strip (frames side by side, left to right,
// each the full height of the picture) and, while the pointer is over it,
// the hover frame or, with the left button held on it, the down frame. A
// control without a picture is a drawing area for its OnPaint handler.
//
// It is a light child widget that never takes the keyboard focus and has no
// background of its own: the parent's background always shows beneath it.
// Sizes go through SetBounds and its siblings, which apply the auto-size rule.
class TEgImage : public QWidget {
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TEgImage *sender)>;

    // A picture strip owned by a control. Assign copies new content into it
    // and then tells the owner through OnChange, which the control installs.
    // A strip can also be given by its size and a way to decode it: its
    // pixels are decoded when they are first read and can be freed again
    // while the control is not shown, the size standing all the while.
    class TPicture {
    public:
        virtual ~TPicture() = default;

        // The pixels, decoded first if they are not held; a strip whose
        // decoding failed stays empty.
        const QImage &Image() const;
        int Width() const { return FSize.width(); }
        int Height() const { return FSize.height(); }

        void Assign(const QImage &image);
        // A strip of that size whose pixels `decode` gives when they are
        // first read; a null image from it leaves the strip empty for good.
        void AssignDeferred(QSize size, std::function<QImage()> decode);

        // Whether the pixels are held now.
        bool Decoded() const { return !FImage.isNull(); }
        // Frees the pixels of a strip given by its decoder, so that the next
        // read decodes them again; a strip assigned as pixels keeps them.
        void FreeDecoded();

        std::function<void()> OnChange;

    protected:
        // The pixel format the strip is kept in.
        virtual QImage Converted(const QImage &image) const = 0;
        virtual void Changed() {}

    private:
        mutable QImage FImage;
        QSize FSize{0, 0};
        std::function<QImage()> FDecode;
        mutable bool FDecodeFailed = false;
    };

    // A strip without alpha, kept as RGB32. With Transparent set, the pixels
    // of its transparent colour are left out when it is drawn. That colour is
    // the one of the bottom-left pixel, the corner such strips are painted in
    // their background colour.
    class TBitmap : public TPicture {
    public:
        bool Transparent() const { return FTransparent; }
        void SetTransparent(bool transparent);
        QRgb TransparentColor() const;

        // Draws the whole strip with its top-left corner at origin.
        void Draw(QPainter &painter, QPoint origin) const;

    protected:
        QImage Converted(const QImage &image) const override;
        void Changed() override;

    private:
        bool FTransparent = false;
        // The strip with its transparent colour cleared, built on first use
        // after a change, so drawing a frame never copies pixels.
        mutable QImage FKeyed;
    };

    // A strip blended by its alpha, kept premultiplied (RGB32 when it has no
    // alpha at all).
    class TPngImage : public TPicture {
    protected:
        QImage Converted(const QImage &image) const override;
    };

    explicit TEgImage(QWidget *parent = nullptr);
    ~TEgImage() override;

    // Reading from a form description: between these two calls index writes
    // are taken unchecked (the NumBitmaps write that follows clips them) and
    // the stated size stands. EndLoading switches auto-size on.
    void BeginLoading();
    void EndLoading();

    // A control with auto-size on and a picture is always exactly one frame
    // big, whatever size it is given; without a picture the given size stands.
    void SetAutoSize(bool autoSize);

    void SetBounds(int left, int top, int width, int height);
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);

    // The picture objects stay owned by the control. Writing a non-empty
    // picture of one kind while the other kind holds one replaces the other
    // object by a new empty one, so a pointer from Bitmap() or PngImage() is
    // valid only until the other property is written. Content assigned to an
    // object directly takes effect as well; if both then hold a picture, the
    // PNG strip is the one shown.
    TBitmap *Bitmap() const { return FBitmap.get(); }
    // The forms give every strip as PNG; this write stays for a strip without
    // alpha that must be drawn with a transparent colour instead.
    void SetBitmap(const QImage &bitmap);
    TPngImage *PngImage() const { return FPngImage.get(); }
    void SetPngImage(const QImage &pngImage);
    // A PNG strip known by its size, decoded when the control first draws
    // it (see TPicture::AssignDeferred); the control takes its size at once.
    void SetPngImageDeferred(QSize size, std::function<QImage()> decode);
    // Frees the decoded pixels of a deferred strip; the next paint decodes
    // them again. The window calls it for controls its screen does not show.
    void FreeDecodedStrip();

    // Resizes the control to one frame of its PNG strip and asks for a repaint.
    // Nothing in the program calls it; it stays as the public way to fit a
    // control back to its strip after its bounds were set by hand.
    void UpdatePngImage();

    int NumBitmaps() const { return FNumBitmaps; }
    void SetNumBitmaps(int numBitmaps);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int index);
    // -1 means none: the ImageIndex frame shows instead.
    int MouseDownImageIndex() const { return FMouseDownImageIndex; }
    void SetMouseDownImageIndex(int index);
    int MouseOverImageIndex() const { return FMouseOverImageIndex; }
    void SetMouseOverImageIndex(int index);

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

    // Hand by default; panels that are not meant to be clicked use the arrow.
    void SetCursor(Qt::CursorShape shape);

    int Tag() const { return FTag; }
    void SetTag(int tag) { FTag = tag; }

    const TNotifyEvent &OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent handler) { FOnClick = std::move(handler); }
    // Called after the frame is drawn, with Canvas() available.
    const TNotifyEvent &OnPaint() const { return FOnPaint; }
    void SetOnPaint(TNotifyEvent handler) { FOnPaint = std::move(handler); }

    // While the control paints: a painter whose origin is the control's
    // top-left corner and which is clipped to the control. Null otherwise.
    QPainter *Canvas() const { return FCanvas; }

    // A later repaint, merged with other requests.
    void Invalidate();
    // A repaint at once.
    void Repaint();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void BitmapChanged();
    void PngImageChanged();
    void InstallBitmap(std::unique_ptr<TBitmap> bitmap);
    void InstallPngImage(std::unique_ptr<TPngImage> pngImage);

    const TPicture &PictureInUse() const;
    bool HasPicture() const;
    int FrameDivisor() const;
    int ShownImageIndex() const;
    void ResizeToFrame(const TPicture &picture);
    void RequestRepaint();

    void MouseEnter();
    void MouseLeave();

    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TPngImage> FPngImage;
    int FNumBitmaps = 1;
    int FImageIndex = 0;
    int FMouseDownImageIndex = -1;
    int FMouseOverImageIndex = -1;
    bool FTransparent = false;
    bool FDrawing = false;
    bool FDown = false;
    bool FMouseInControl = false;
    TNotifyEvent FOnPaint;

    TNotifyEvent FOnClick;
    int FTag = 0;
    bool FLoading = false;
    bool FAutoSize = false;
    // A left press landed on the control and its release has not come yet;
    // the release fires OnClick when it is inside.
    bool FClickStarted = false;
    QPainter *FCanvas = nullptr;
};
