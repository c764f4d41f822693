#include "application.h"
#include "platform/qtplatform.h"
#include "windows/startwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SchedaControllo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Scheda riepilogativa"));
    // With a desktop file name set, window titles stand exactly as the program sets them.
    QGuiApplication::setDesktopFileName(QStringLiteral("scheda"));
    platform::QtDialogs dialogs;
    platform::QtSystem system;
    app::Application application(platform::Platform{dialogs, system});
    application.startWindow().show();
    return QApplication::exec();
}
