#pragma once

#include "dialogs.h"

#include <QStringList>

class QCoreApplication;

namespace platform
{

// The real dialogs of the desktop.
class QtDialogs : public Dialogs
{
protected:
    Answer showMessage(const BoxRequest &request) override;
    QString askSaveFileName(const FileDialogOptions &options) override;
    QString askOpenFileName(const FileDialogOptions &options) override;
    bool askPrinter(QPrinter &printer) override;
    void runModal(QDialog &dialog) override;
};

// Beep, process end and tray icon of the desktop.
class QtSystem : public System
{
public:
    void beep() override;
    void endProcess() override;
    std::unique_ptr<TrayIcon> createTrayIcon() override;
};

// Loads Qt's own Italian texts for its dialogs and standard buttons ("Sì", "No", "Annulla").
// False where the translation is not installed: the dialogs then stay in English.
bool installItalianTranslation(QCoreApplication &app);

// "Xml File (*.xml)|*.xml|" -> "Xml File (*.xml)": the description of each pair, which names
// its pattern, becomes one Qt filter; a description without its pattern gets it appended.
QString qtFilter(const QString &pairs);

} // namespace platform
