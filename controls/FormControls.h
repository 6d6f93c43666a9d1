#pragma once

#include "EgImage.h"
#include "FormDescription.h"

#include <QHash>
#include <QString>

class TPictureStore;

// Makes a picture control from its row of a form description: bounds,
// pointer, tag, transparency, frame indexes and its strip, loaded in the
// order a form stores them so the indexes are clipped by the frame count;
// then binds its handlers by name. The strip comes from `pictures`: its
// header is read now, so the control has its size at once, and its pixels
// are decoded when the control is first drawn. A strip whose header cannot
// be read leaves the control blank and its reason in `stripError` (the
// first one only); one that fails only when it is decoded leaves the
// control blank and is told through the store's OnDecodeError.
TEgImage *CreateImageControl(QWidget *parent, const TControlDesc &desc,
                             const QHash<QString, TEgImage::TNotifyEvent> &handlers, QString &stripError,
                             const TPictureStore &pictures);
