// Program entry: one running copy per user and per data folder, then the
// main window.

#include "FileErrors.h"
#include "Fonts.h"
#include "Main.h"
#include "QuitSignals.h"
#include "Resources.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include <malloc.h>

namespace {

const QString AlreadyRunningMessage =
    QStringLiteral("TypeKo はこのデータフォルダですでに起動しています。\n先に起動した TypeKo の画面を使ってください。");

} // namespace

int main(int argc, char **argv)
{
    // Screen pictures of about 2 MB each are decoded and freed as the
    // screens change. By default glibc raises its threshold for giving such
    // blocks back to the system once the first is freed, so later pictures
    // would leave holes in the heap that it keeps; fixed thresholds return
    // them at once.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024);
    QApplication app(argc, argv);
    // The first screen's pictures are decoded while the window and the
    // course are made, on the processor's other core where there is one.
    // Started with the window system, it would slow that by sharing its
    // memory mappings.
    auto decodedAhead = std::make_shared<TDecodeAhead>(TFrmMain::FirstScreenPictures(), LoadResource);
    QApplication::setApplicationName(TFrmMain::ApplicationTitle);
    // Qt's own texts, such as the buttons of a message box, in Japanese.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    TQuitSignals quitSignals;

    TSingleInstance instance(SingleInstanceFolder(), TFrmMain::LockName, TFrmMain::WindowClassName,
                             TFrmMain::ApplicationTitle);
    if (instance.Start() != TSingleInstance::TStart::Primary)
        return 0;

    InstallFontSubstitutions();
    TFrmMainEnvironment env;
    env.InstanceServer = instance.ServerName();
    env.DecodedAhead = std::move(decodedAhead);
    TFrmMain FrmMain(std::move(env));
    QObject::connect(&instance, &TSingleInstance::RaiseRequested, &FrmMain, &TFrmMain::RestoreAndRaise);
    QObject::connect(&quitSignals, &TQuitSignals::QuitRequested, &FrmMain, &TFrmMain::QuietClose);
    if (const QString error = FrmMain.FormCreate(); !error.isEmpty()) {
        QMessageBox box(QMessageBox::Critical, TFrmMain::ApplicationTitle, BoundedMessageText(error), QMessageBox::Ok);
        box.exec();
        return 1;
    }
    if (FrmMain.DataFolderBusy()) {
        // Another copy, started with another runtime folder, uses the same
        // learners' files: it comes forward if it can be reached, and this
        // copy ends having written nothing.
        if (!TSingleInstance::AskToRaise(FrmMain.BusyCopyServer())) {
            QMessageBox box(QMessageBox::Warning, TFrmMain::ApplicationTitle, AlreadyRunningMessage, QMessageBox::Ok);
            box.exec();
        }
        return 0;
    }
    FrmMain.show();
    return app.exec();
}
