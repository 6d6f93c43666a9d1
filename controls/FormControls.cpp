#include "FormControls.h"

#include "PictureStore.h"

TEgImage *CreateImageControl(QWidget *parent, const TControlDesc &desc,
                             const QHash<QString, TEgImage::TNotifyEvent> &handlers, QString &stripError,
                             const TPictureStore &pictures)
{
    auto *control = new TEgImage(parent);
    control->setObjectName(QString::fromUtf8(desc.Name));
    control->BeginLoading();
    control->SetBounds(desc.Left, desc.Top, desc.Width, desc.Height);
    control->SetCursor(desc.Pointer == TPointer::Arrow ? Qt::ArrowCursor : Qt::PointingHandCursor);
    control->SetTag(desc.Tag);
    control->SetTransparent(desc.Transparent);
    control->SetImageIndex(desc.ImageIndex == NoFrame ? 0 : desc.ImageIndex);
    control->SetMouseDownImageIndex(desc.MouseDownImageIndex);
    control->SetMouseOverImageIndex(desc.MouseOverImageIndex);
    if (desc.Picture) {
        const QString name = QString::fromUtf8(desc.Picture);
        const TPngHeader strip = PictureHeader(name, pictures.Source());
        if (strip)
            control->SetPngImageDeferred(strip.Size, pictures.Decoder(name));
        else if (stripError.isEmpty())
            stripError = strip.Error;
    }
    control->SetNumBitmaps(desc.NumBitmaps > 0 ? desc.NumBitmaps : 1);
    control->EndLoading();
    if (desc.OnClick)
        control->SetOnClick(handlers.value(QString::fromUtf8(desc.OnClick)));
    if (desc.OnPaint)
        control->SetOnPaint(handlers.value(QString::fromUtf8(desc.OnPaint)));
    return control;
}
