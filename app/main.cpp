// Program entry: one running copy per user, then the main window.

#include "Fonts.h"
#include "Main.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(TFrmMain::ApplicationTitle);

    TSingleInstance instance(SingleInstanceFolder(), TFrmMain::LockName, TFrmMain::WindowClassName,
                             TFrmMain::ApplicationTitle);
    if (instance.Start() != TSingleInstance::TStart::Primary)
        return 0;

    InstallFontSubstitutions();
    TFrmMain FrmMain;
    QObject::connect(&instance, &TSingleInstance::RaiseRequested, &FrmMain, &TFrmMain::RestoreAndRaise);
    if (const QString error = FrmMain.FormCreate(); !error.isEmpty()) {
        QMessageBox box(QMessageBox::Critical, TFrmMain::ApplicationTitle, error, QMessageBox::Ok);
        box.exec();
        return 1;
    }
    FrmMain.show();
    return app.exec();
}
