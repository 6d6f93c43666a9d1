// Pictures: which ones each screen draws, decoded when a screen shows and
// freed once no screen in reach needs them.

#include "Main.h"

#include "EgImage.h"
#include "MainFormDescription.h"

#include <QWindow>

#include <algorithm>

namespace {

// The screens with a picture of their own, in the order they are checked;
// the goodbye of a close that could not save the progress follows them.
constexpr int PictureScreens[] = {scTitle,          scLevelMenu,      scCourse,    scTraining,    scGuideFirst,
                                  scGuideFirst + 1, scGuideFirst + 2, scGuideLast - 1, scGuideLast, scInformation,
                                  scStart,          scGoodbye};

// The strip the numbers of the level menu and the course screen are drawn from.
const char *const NumberStrip = "FONTNUM";

// The strips the training screen draws its target, marks and panels from.
const char *const TrainingStrips[] = {"FONTLARGE", "MARKENTER", "FONTSMALL", "SVOC",
                                      "SOUND",     "COUNTER",   "MISSMETER", "FLAG"};

// The part-of-speech pictures, by code 1 to 8. A target shows at most three
// of them, so each is decoded when its panel first draws it, not ahead.
QStringList PartPictures()
{
    QStringList names;
    for (int code = 1; code <= 8; ++code)
        names << QStringLiteral("HINSHI%1").arg(code);
    return names;
}

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

QString TFrmMain::CheckPictures() const
{
    QStringList names;
    for (const int screen : PictureScreens)
        names << ScreenPictureName(screen);
    names << UnsavedGoodbyeName() << QString::fromLatin1(NumberStrip);
    for (const char *name : TrainingStrips)
        names << QString::fromLatin1(name);
    names << PartPictures();
    return Pictures.Check(names);
}

QStringList TFrmMain::FirstScreenPictures()
{
    QStringList names{ScreenPictureName(scTitle)};
    for (const TControlDesc &desc : MainFormDescription().Controls)
        if (desc.Kind == TControlKind::Image && desc.Picture && desc.Screens.Contains(scTitle))
            names << QString::fromUtf8(desc.Picture);
    names.removeDuplicates();
    return names;
}

QStringList TFrmMain::PicturesOf(int ScreenNo) const
{
    QStringList names{ScreenNo == scGoodbye && GoodbyeUnsaved ? UnsavedGoodbyeName() : ScreenPictureName(ScreenNo)};
    switch (ScreenNo) {
    case scLevelMenu:
    case scCourse:
        names << QString::fromLatin1(NumberStrip);
        break;
    case scTraining:
        for (const char *name : TrainingStrips)
            names << QString::fromLatin1(name);
        names << PartPictures();
        break;
    default:
        break;
    }
    return names;
}

void TFrmMain::HoldPicturesOf(int ScreenNo)
{
    // The background is decoded before the paint, which then only draws it;
    // the strips are decoded when the paint first reads them.
    Picture(PicturesOf(ScreenNo).first());
    // Freeing and decoding ahead wait until the screen has painted, so that
    // a screen change shows as soon as it can; a window that is not on the
    // display gets no paint and settles at once.
    if (windowHandle() && windowHandle()->isExposed())
        PicturesToSettle = ScreenNo;
    else
        SettlePictures(ScreenNo);
}

void TFrmMain::SettlePictures(int ScreenNo)
{
    PicturesToSettle = scNone;
    if (FCurScreenNo != ScreenNo)
        return;
    const QList<int> following = FollowingScreens(ScreenNo);
    QStringList held = PicturesOf(ScreenNo);
    for (const int screen : following)
        held << PicturesOf(screen);
    Pictures.KeepOnly(held);
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
    // The screens that follow are decoded now, so that switching to them
    // costs no more than their paint.
    for (const int screen : following)
        DecodePicturesOf(screen);
}

void TFrmMain::DecodePicturesOf(int ScreenNo)
{
    const QStringList onDemand = PartPictures();
    for (const QString &name : PicturesOf(ScreenNo))
        if (!onDemand.contains(name))
            Picture(name);
    for (const TControlDesc &desc : MainFormDescription().Controls)
        if (desc.Kind == TControlKind::Image && desc.Picture && desc.Screens.Contains(ScreenNo))
            if (const TEgImage *control = Control(QString::fromUtf8(desc.Name)))
                control->PngImage()->Image();
}
