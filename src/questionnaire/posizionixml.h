#pragma once

#include "models.h"

#include <QString>
#include <array>
#include <vector>

namespace qst
{

// Where the questionnaire XML file keeps each part of a questionnaire, by model. Shared by the
// writer and the reader; every node is addressed by its position among its parent's children.

// How the writer treats the question element of an answer group.
enum class Scrittura {
    Completa,   // question text, box and question number, note caption, answer and note
    SoloNumeri, // box and question number and the empty text; answer and note untouched
    Conteggio,  // as Completa, then the answer node takes a number box TEXT(conteggio)
    NonScritta, // the writer leaves the element as the template holds it; the reader reads it
};

struct PosizioneDomanda {
    int gruppo = -1;
    int riquadro = 0;  // box number: 1, 2 or 3 ("Riquadro I", "II", "III")
    int elemento = 0;  // position of the box element in the question section
    int posizione = 0; // position of the question element in the box element
    int numero = 0;    // question number written into the element; 0 for none
    Scrittura scrittura = Scrittura::Completa;
    int conteggio = -1; // the number box TEXT(0..2) of a Conteggio group
};

// The question element of answer group k (0..78) in model m, or nullptr where the file holds
// no element for the group.
const PosizioneDomanda *posizioneDomanda(Modello m, int k);
// Every question element of model m, by ascending answer group.
const std::vector<PosizioneDomanda> &posizioniDomande(Modello m);
// Number of box elements in the question section (3 in Tradizionale, 2 in the others).
int elementiRiquadro(Modello m);
// Children a box element must have: one more than its last position.
int domandeRiquadro(Modello m, int elemento);

// Positions of the model element.
inline constexpr int kSezioneGenerale = 0;
inline constexpr int kSezioneMembri = 1;
inline constexpr int kSezioneDomande = 2;

// Positions inside the general-data section.
namespace generale
{
inline constexpr int kDenominazione = 0; // TEXT_GENERALE(0)
inline constexpr int kCodiceFiscale = 1; // TEXT_GENERALE(1)
inline constexpr int kDataChiusura = 2;  // TEXT_GENERALE(2..4) as DDMMYYYY
inline constexpr int kReferente = 3;     // children: TEXT_GENERALE(5), (6), (7)
inline constexpr int kRequisiti = 4;     // children each hold an item element at 0
inline constexpr int kRiunioni = 5;      // children: the meeting counts TEXT_GENERALE(62..)
inline constexpr int kFigli = 6;
} // namespace generale

// Item element (groups 79, 80, 81): 0 the item's text, 1 the answer element.
// Answer element (items and questions): 0 the answer node, 1 the note node.
// Question element: 0 text, 1 answer element, 2 box number, 3 question number.
namespace voce
{
inline constexpr int kTesto = 0;
inline constexpr int kRisposta = 1;
inline constexpr int kNumeroRiquadro = 2;
inline constexpr int kNumeroDomanda = 3;
inline constexpr int kFigliDomanda = 4;
inline constexpr int kValore = 0;
inline constexpr int kNota = 1;
} // namespace voce

// The groups of the requirement items, in the order of the children of general-data position 4.
std::array<int, 2> ordineRequisiti(Modello m);

// Members section: 0 the wrapper of the first member element, then the further member
// elements, then the statute's maximum of offices, the start of office and item 81, always the
// last three children.
inline constexpr int kMembriFissi = 4;

// One child of a member element, in document order. The offices counts stand inside the
// "IncarichiRicoperti" element; every other child directly in the member element.
struct CampoMembro {
    QString nome;     // name of a created element
    int colonna = -1; // grid column; -1 for the "IncarichiRicoperti" container
    bool inIncarichi = false;
};
const std::vector<CampoMembro> &campiMembro(Modello m);

} // namespace qst
