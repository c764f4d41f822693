#include "qtplatform.h"

#include "trayicon.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTranslator>

namespace platform
{

namespace
{

QMessageBox::Icon qtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonRow {
    QMessageBox::StandardButton button;
    Answer answer;
};

QList<ButtonRow> buttonRow(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return {{QMessageBox::Ok, Answer::Ok}};
    case Buttons::OkCancel:
        return {{QMessageBox::Ok, Answer::Ok}, {QMessageBox::Cancel, Answer::Cancel}};
    case Buttons::YesNoCancel:
        return {{QMessageBox::Yes, Answer::Yes},
                {QMessageBox::No, Answer::No},
                {QMessageBox::Cancel, Answer::Cancel}};
    case Buttons::YesNo:
        return {{QMessageBox::Yes, Answer::Yes}, {QMessageBox::No, Answer::No}};
    }
    return {{QMessageBox::Ok, Answer::Ok}};
}

QWidget *dialogParent()
{
    QWidget *w = QApplication::activeWindow();
    return (w && w->isVisible()) ? w : nullptr;
}

} // namespace

Answer QtDialogs::showMessage(const BoxRequest &request)
{
    QMessageBox box(dialogParent());
    box.setTextFormat(Qt::PlainText);
    box.setText(request.text);
    box.setWindowTitle(request.title.isEmpty() ? kFallbackTitle : request.title);
    box.setIcon(qtIcon(request.icon));
    const QList<ButtonRow> row = buttonRow(request.buttons);
    QMessageBox::StandardButtons all;
    for (const ButtonRow &b : row)
        all |= b.button;
    box.setStandardButtons(all);
    const int def =
        (request.defaultButton >= 0 && request.defaultButton < row.size()) ? request.defaultButton : 0;
    box.setDefaultButton(row[def].button);
    // Closing the box counts as Cancel where there is one, else as the only button.
    box.setEscapeButton(all.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : row.last().button);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const ButtonRow &b : row)
        if (b.button == clicked)
            return b.answer;
    return all.testFlag(QMessageBox::Cancel) ? Answer::Cancel : row.last().answer;
}

QString QtDialogs::askSaveFileName(const FileDialogOptions &options)
{
    return QFileDialog::getSaveFileName(dialogParent(), options.title, options.folder,
                                        qtFilter(options.filter));
}

QString QtDialogs::askOpenFileName(const FileDialogOptions &options)
{
    return QFileDialog::getOpenFileName(dialogParent(), options.title, options.folder,
                                        qtFilter(options.filter));
}

bool QtDialogs::askPrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::runModal(QDialog &dialog)
{
    dialog.exec();
}

void QtSystem::beep()
{
    QApplication::beep();
}

void QtSystem::endProcess()
{
    QCoreApplication::exit(0);
}

std::unique_ptr<TrayIcon> QtSystem::createTrayIcon()
{
    return std::make_unique<QtTrayIcon>();
}

bool installItalianTranslation(QCoreApplication &app)
{
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italian);
    auto *translator = new QTranslator(&app);
    if (!translator->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

QString qtFilter(const QString &pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        if (description.isEmpty())
            continue;
        filters << (description.contains(pattern)
                        ? description
                        : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace platform
