#pragma once

// The baseline of the printing cases: the texts of a printout laid out and printed to a PDF by
// QTextDocument, with the printout's face and size, questions bold, justified, on A4 with the
// printout's margins.
#include "questionnaire/contenuto.h"
#include "questionnaire/v11content.h"

#include <QString>
#include <utility>
#include <vector>

namespace bench
{

// The paragraphs of a printout, each with whether it is bold.
using Paragraphs = std::vector<std::pair<QString, bool>>;

// The texts the printout of `c` prints: general data, members, every question with its answer,
// every note with its caption.
Paragraphs printedTexts(const qst::Contenuto &c);
Paragraphs printedTexts(const qst::V11Content &c);

// Builds the document of `paragraphs` and prints it to the PDF file `path`; its page count.
int printWithTextDocument(const Paragraphs &paragraphs, const QString &path);

// A printout of the program: its pages as the printer recorded them, and how long the layout
// (recording every item) and the painting (the printer's back end, from EndDoc) took.
struct Printout {
    int pages = 0;
    double layoutMs = 0;
    double paintMs = 0;
};

// Prints the questionnaire or the version 1.1 form to the PDF file `path` as the program does.
Printout printForm(const qst::Contenuto &c, const QString &path);
Printout printForm(const qst::V11Content &c, const QString &path);

} // namespace bench
