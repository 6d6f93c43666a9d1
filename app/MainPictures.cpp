// Pictures: which ones each screen draws, decoded when a screen shows and
// freed once no screen in reach needs them.

#include "Main.h"

#include "EgImage.h"
#include "MainFormDescription.h"

#include <QTimer>

#include <algorithm>

namespace {

// The screens that certainly come next: the start screen leads into the
// run, and every way out of a run leads back to the course screen, so a
// run's last key changes the screen without decoding anything.
QList<int> FollowingScreens(int ScreenNo)
{
    switch (ScreenNo) {
    case scStart:
        return {scTraining, scCourse};
    case scTraining:
        return {scCourse};
    default:
        return {};
    }
}

} // namespace

QStringList TFrmMain::PicturesOf(int ScreenNo) const
{
    QStringList names{ScreenNo == scGoodbye && GoodbyeUnsaved ? UnsavedGoodbyeName() : ScreenPictureName(ScreenNo)};
    switch (ScreenNo) {
    case scLevelMenu:
    case scCourse:
        names << QStringLiteral("FONTNUM");
        break;
    case scTraining:
        names << QStringLiteral("FONTLARGE") << QStringLiteral("MARKENTER") << QStringLiteral("FONTSMALL")
              << QStringLiteral("SVOC") << QStringLiteral("SOUND") << QStringLiteral("COUNTER")
              << QStringLiteral("MISSMETER") << QStringLiteral("FLAG");
        for (int i = 1; i <= 8; ++i)
            names << QStringLiteral("HINSHI%1").arg(i);
        break;
    default:
        break;
    }
    return names;
}

void TFrmMain::HoldPicturesOf(int ScreenNo)
{
    const QList<int> following = FollowingScreens(ScreenNo);
    QStringList held = PicturesOf(ScreenNo);
    for (const int screen : following)
        held << PicturesOf(screen);
    Pictures.KeepOnly(held);
    // The background is decoded before the paint, which then only draws it;
    // the strips are decoded when the paint first reads them.
    Picture(held.first());
    if (ScreenNo != scTraining)
        TrainingFrame = QImage();

    // A control keeps its strip while a screen in reach lists it or it is
    // shown; the others are decoded again when they next show.
    for (const TControlDesc &desc : MainFormDescription().Controls) {
        if (desc.Kind != TControlKind::Image || !desc.Picture)
            continue;
        TEgImage *control = Control(QString::fromUtf8(desc.Name));
        if (!control || !control->isHidden() || desc.Screens.Contains(ScreenNo) ||
            std::any_of(following.begin(), following.end(),
                        [&](int screen) { return desc.Screens.Contains(screen); }))
            continue;
        control->FreeDecodedStrip();
    }
    if (!following.isEmpty()) {
        // Once the screen has painted, the ones that follow are decoded, so
        // that switching to them costs no more than their paint. It is no
        // pause of the program's, so it takes no part in the environment's.
        QTimer::singleShot(0, this, [this, ScreenNo, following] {
            if (FCurScreenNo != ScreenNo)
                return;
            for (const int screen : following)
                DecodePicturesOf(screen);
        });
    }
}

void TFrmMain::DecodePicturesOf(int ScreenNo)
{
    // A target shows at most three of the part-of-speech pictures, so each
    // is decoded when its panel first draws it.
    for (const QString &name : PicturesOf(ScreenNo))
        if (!name.startsWith(u"HINSHI"))
            Picture(name);
    for (const TControlDesc &desc : MainFormDescription().Controls)
        if (desc.Kind == TControlKind::Image && desc.Picture && desc.Screens.Contains(ScreenNo))
            if (const TEgImage *control = Control(QString::fromUtf8(desc.Name)))
                control->PngImage()->Image();
}
