// Loading and saving the current user's progress.

#include "Main.h"

#include "EgImage.h"
#include "UserFiles.h"

void TFrmMain::LoadScore()
{
    Loading = true;
    const TFileRead file = ReadWholeFile(ProgressFilePath(DataPath, UserId));
    if (!file.Error.isEmpty())
        Env.ShowMessage(file.Error);
    const TProgress progress = ReadProgress(file.Bytes.value_or(QByteArray()), Data);
    BaseIndex = progress.BaseIndex;
    Session = progress.Session;

    // Whatever the file says, the course opens on the level the course
    // fills, at its first band.
    SetLevelNo(1);
    SetBandNo(0);
    SetPattern(progress.Pattern);
    for (TEgImage *button : bPattern) {
        button->SetImageIndex(0);
        button->SetMouseOverImageIndex(2);
    }
    bPattern[FPattern]->SetImageIndex(3);
    bPattern[FPattern]->SetMouseOverImageIndex(3);

    bNewWord->SetImageIndex(1);
    for (TEgImage *type : {bNewWordType1, bNewWordType2, bNewWordType3, bNewWordType4})
        type->SetImageIndex(0);
    bOnceMore->SetImageIndex(2);
    TEgImage *const types[] = {bNewWordType1, bNewWordType2, bNewWordType3, bNewWordType4};
    types[progress.WordType]->SetImageIndex(2);

    TypeSoundNo = progress.Options.TypeSoundNo;
    MissSoundNo = progress.Options.MissSoundNo;
    DispWordNo = progress.Options.DispWordNo;
    VoiceNo = progress.Options.VoiceNo;
    MeaningNo = progress.Options.MeaningNo;
    GuideNo = progress.Options.GuideNo;

    LastIndex = -1;
    Loading = false;
    ScoreSaved = false;
}

bool TFrmMain::SaveScore()
{
    TProgress progress;
    progress.LevelNo = FLevelNo;
    progress.Pattern = FPattern;
    progress.WordType = ChosenWordType();
    progress.Options = {TypeSoundNo, MissSoundNo, DispWordNo, VoiceNo, MeaningNo, GuideNo};
    progress.BaseIndex = BaseIndex;
    progress.Session = Session;
    const QString error = Env.SaveFile(ProgressFilePath(DataPath, UserId), WriteProgress(Data, progress));
    if (!error.isEmpty()) {
        Env.ShowMessage(error);
        return false;
    }
    ScoreSaved = true;
    return true;
}
