#pragma once

#include "questionnaire/models.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace win
{

// The start window (Inizio): the user picks the governance model.
class StartWindow : public QWidget
{
    Q_OBJECT
public:
    explicit StartWindow(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QPushButton *btnTradzionale = nullptr;
    QPushButton *btnMonistico = nullptr;
    QPushButton *btnDualistico = nullptr;

Q_SIGNALS:
    void modelChosen(qst::Modello m);
    // The user closed the window (its close box or system menu).
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
};

} // namespace win
