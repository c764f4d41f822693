#pragma once

// Checked positional access to the nodes of a questionnaire XML document. QDomNode answers a
// position past the last child with a null node, and writing into a null node does nothing;
// these helpers raise the program's error instead, so a template or a file that lacks a node
// never makes a write go nowhere or a read come back empty.
#include "questionnaire/models.h"

#include <QDomElement>
#include <QString>
#include <vector>

namespace sf
{

// Child `posizione` (from 0) of `padre`, counting every child node the document holds.
// Throws core::SchedaError when there is no such child.
QDomNode figlio(const QDomNode &padre, int posizione);
// The same child, which must be an element.
QDomElement elemento(const QDomNode &padre, int posizione);
// Number of child nodes.
int contaFigli(const QDomNode &padre);
// The child nodes of `padre` in document order, for reading many positions of one parent in
// one walk; `figlio(figli, posizione)` takes one of them, checked.
std::vector<QDomNode> figli(const QDomNode &padre);
const QDomNode &figlio(const std::vector<QDomNode> &figli, int posizione);

// The value of a node: the text of an element (its text and CDATA content, unescaped), the
// content of any other node.
QString testo(const QDomNode &nodo);

// The nodes of a member element that hold the fields of qst::campiMembro(m), in that order: the
// "IncarichiRicoperti" container in its place, the offices counts after it. Throws when one is
// missing.
std::vector<QDomNode> nodiMembro(const QDomNode &membro, qst::Modello m);
// Throws unless `padre` has exactly `n` children.
void richiediFigli(const QDomNode &padre, int n);

// The node's only attribute. Attributes come back in no fixed order, so "the attribute" of a
// node is only well defined where it has exactly one: throws otherwise.
QDomAttr attributoUnico(const QDomNode &nodo);

// Replaces the whole content of `nodo` by `testo` (nothing for the empty text). Characters
// XML 1.0 does not allow are dropped, so the document always serialises to well-formed XML.
void scriviTesto(QDomElement nodo, const QString &testo);
// Sets the value of the node's only attribute, dropping the characters XML 1.0 does not allow.
void scriviAttributo(const QDomNode &nodo, const QString &valore);

// `testo` without the characters XML 1.0 does not allow: control characters other than tab,
// line feed and carriage return, unpaired surrogates, U+FFFE and U+FFFF. One pass; the text
// is returned unchanged (not copied) when it holds none.
QString testoXml(const QString &testo);

} // namespace sf
