#pragma once

// What the benchmark checks of a case's result, outside the clock. Each check throws
// core::SchedaError, naming what is wrong, so that a wrong result fails its case.
#include "questionnaire/contenuto.h"
#include "questionnaire/v11content.h"

#include <QByteArray>
#include <QString>

namespace bench
{

// Throws `what` unless `ok`.
void require(bool ok, const QString &what);

// The SHA-256 of `bytes`: a result compared with an earlier one without keeping both.
QByteArray digest(const QByteArray &bytes);
// The bytes of the file `path`; throws when it cannot be read.
QByteArray fileBytes(const QString &path);

// Throws unless `a` and `b` hold the same questionnaire, naming the first part that differs.
void requireSameContent(const qst::Contenuto &a, const qst::Contenuto &b);
// The SHA-256 of every part of a questionnaire: two contents compared without keeping both.
QByteArray contentDigest(const qst::Contenuto &c);
// Throws unless `c` is what the version 1.1 reader makes of v11File(noteLength), as its tests
// expect of such a file.
void requireV11Content(const qst::V11Content &c, int noteLength);

// The pages of the PDF file `path` as poppler's pdfinfo counts them; throws when it cannot tell.
int pdfPages(const QString &path);

} // namespace bench
