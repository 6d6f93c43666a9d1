#pragma once

#include "EgImage.h"
#include "FormDescription.h"

#include <QHash>
#include <QString>

// Makes a picture control from its row of a form description: bounds,
// pointer, tag, transparency, frame indexes and its strip, loaded in the
// order a form stores them so the indexes are clipped by the frame count;
// then binds its handlers by name. A strip that cannot be loaded leaves the
// control blank and its reason in `stripError` (the first one only).
TEgImage *CreateImageControl(QWidget *parent, const TControlDesc &desc,
                             const QHash<QString, TEgImage::TNotifyEvent> &handlers, QString &stripError);
