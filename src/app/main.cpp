#include "application.h"
#include "platform/qtplatform.h"
#include "windows/startwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    app::configuraApplicazione(qapp);
    platform::QtDialogs dialogs;
    platform::QtSystem system;
    app::Application application(platform::Platform{dialogs, system});
    application.startWindow().show();
    return QApplication::exec();
}
