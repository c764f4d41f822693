#pragma once

#include "dialogs.h"

#include <QStringList>

namespace platform
{

// The real dialogs of the desktop.
class QtDialogs : public Dialogs
{
public:
    Answer message(const BoxRequest &request) override;
    QString saveFileName(const FileDialogOptions &options) override;
    QString openFileName(const FileDialogOptions &options) override;
    bool choosePrinter(QPrinter &printer) override;
    void execModal(QDialog &dialog) override;
};

// Beep, process end and tray icon of the desktop.
class QtSystem : public System
{
public:
    void beep() override;
    void endProcess() override;
    std::unique_ptr<TrayIcon> createTrayIcon(QObject *parent) override;
};

// "Xml File (*.xml)|*.xml|" -> "Xml File (*.xml)": the description of each pair, which names
// its pattern, becomes one Qt filter; a description without its pattern gets it appended.
QString qtFilter(const QString &pairs);

} // namespace platform
