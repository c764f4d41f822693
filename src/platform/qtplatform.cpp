#include "qtplatform.h"

#include "trayicon.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

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

Answer QtDialogs::message(const BoxRequest &request)
{
    QMessageBox box(dialogParent());
    box.setTextFormat(Qt::PlainText);
    box.setText(request.text);
    box.setWindowTitle(request.title.isEmpty() ? QApplication::applicationDisplayName() : request.title);
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

QString QtDialogs::saveFileName(const FileDialogOptions &options)
{
    return QFileDialog::getSaveFileName(dialogParent(), options.title, options.folder,
                                        qtFilter(options.filter));
}

QString QtDialogs::openFileName(const FileDialogOptions &options)
{
    return QFileDialog::getOpenFileName(dialogParent(), options.title, options.folder,
                                        qtFilter(options.filter));
}

bool QtDialogs::choosePrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::execModal(QDialog &dialog)
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

std::unique_ptr<TrayIcon> QtSystem::createTrayIcon(QObject *parent)
{
    return std::make_unique<QtTrayIcon>(parent);
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
