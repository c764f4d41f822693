#pragma once

// The pieces the windows' pages are built from: scrolling pages, question pages with their
// answer frames and note links, and the labels, fields, frames and date rows of the general data.
#include "controlgroups.h"
#include "questionnaire/catalogue.h"

#include <array>
#include <functional>
#include <vector>

class QFrame;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace win
{

// Fills a tab page with `content`, scrolling where the page is too small for it.
void scrollingPage(QWidget *page, QWidget *content);

// The answer frame FRAME_RIQUADRO_1_1(k) of group k with its boxes Check_SI(k), Check_NO(k) and
// Check_NA(k), the last shown only with `naVisible`; the controls go into `c`.
QFrame *buildAnswerRow(AnswerControls &c, int k, bool naVisible);

// Where a question page puts the controls it builds.
struct QuestionPageControls {
    AnswerControls &answers;
    std::array<QLineEdit *, qst::kNumberBoxes> &numberBoxes;
    // The number box TEXT(n) that answers group k in place of its boxes, or -1.
    std::function<int(int k)> numberBoxOfGroup;
};

// Question page `tab` (1..5): a frame under the page's title holding `rows` top to bottom, each
// with its question label LABEL_RIQUADRO(q) (`labelTwips` wide, or the page's own width for 0), its
// answer frame and its note link; a group answered by a number box gets the box in front of its
// frame.
void buildQuestionPage(QWidget *page, int tab, const std::vector<qst::PageRow> &rows, QuestionPageControls c,
                       int labelTwips = 0);

// Pieces of a general-data page.
QLabel *newLabel(const QString &text, const QString &name, QWidget *parent);
QLineEdit *newField(int widthTwips, QWidget *parent);
// The "/" between the boxes of a date.
QLabel *slash(const QString &name, QWidget *parent);
QGroupBox *untitledFrame(const QString &name, QWidget *parent);
// A date's day, month and year boxes in a right-aligned row, with the two "/" labels named
// `slash1` and `slash2` between them.
QHBoxLayout *dateRow(const std::array<QLineEdit *, 3> &boxes, const QString &slash1, const QString &slash2,
                     QWidget *parent);

} // namespace win
