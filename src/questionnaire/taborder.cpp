#include "taborder.h"

#include "catalogue.h"

#include <array>

namespace qst
{

namespace
{

// A run of controls of one kind, indices `first` to `last`, on "Dati Generali" (`page` 0) or
// outside the pages (-1). `numbered`: the control takes its TabIndex from its place in the order;
// otherwise it is numbered after all the other stops.
struct Span {
    ControlKind kind;
    int first = 0;
    int last = 0;
    int page = 0;
    bool numbered = true;
};

using C = ControlKind;

// Everything before the question pages: TabIndex 0, "Dati Generali" row by row, the button bar.
constexpr Span kHeadTradizionale[] = {
    {C::TabStrip, 0, 0, -1},
    {C::Field, 0, 7},
    {C::SiBox, 79, 80},
    {C::NoBox, 80, 80, 0, false},
    {C::NaBox, 80, 80, 0, false},
    {C::Field, 62, 65},
    {C::RiunioniNA, 0, 0, 0, false},
    {C::Grid},
    {C::Field, 33, 33},
    {C::SiBox, 81, 81, 0, false},
    {C::Field, 34, 36},
    {C::Button, 0, 4, -1},
};

constexpr Span kHeadDualistico[] = {
    {C::Field, 0, 7},   {C::SiBox, 79, 80},           {C::Field, 62, 64}, {C::Grid},
    {C::Field, 33, 33}, {C::SiBox, 81, 81, 0, false}, {C::Field, 34, 36}, {C::Button, 0, 4, -1},
};

constexpr Span kHeadMonistico[] = {
    {C::Field, 0, 7},
    {C::SiBox, 79, 80},
    {C::Field, 62, 65},
    {C::RiunioniNA, 0, 0, 0, false},
    {C::Grid},
    {C::Field, 33, 33},
    {C::SiBox, 81, 81, 0, false},
    {C::Field, 34, 36},
    {C::Button, 0, 4, -1},
};

template <size_t N> std::vector<Span> spans(const Span (&head)[N])
{
    return std::vector<Span>(head, head + N);
}

std::vector<Span> headOf(Modello m)
{
    switch (m) {
    case Modello::Dualistico:
        return spans(kHeadDualistico);
    case Modello::Monistico:
        return spans(kHeadMonistico);
    case Modello::Tradizionale:
        break;
    }
    return spans(kHeadTradizionale);
}

std::vector<TabStop> buildOrder(Modello m)
{
    std::vector<TabStop> order;
    std::vector<bool> numbered;
    const auto add = [&](ControlKind kind, int index, int page, bool ownNumber) {
        order.push_back(TabStop{kind, index, 0, page});
        numbered.push_back(ownNumber);
    };
    for (const Span &s : headOf(m))
        for (int i = s.first; i <= s.last; ++i)
            add(s.kind, i, s.page, s.numbered);
    // The question pages row by row; on a row its number box, then "Si", "No", "N/A".
    for (int page = 1; page <= 5; ++page)
        for (const PageRow &r : righePagina(m, page)) {
            if (r.k < 0)
                continue;
            const int box = numberBoxOfGroup(m, r.k);
            if (box >= 0)
                add(C::NumberBox, box, page, true);
            for (ControlKind kind : {C::SiBox, C::NoBox, C::NaBox})
                add(kind, r.k, page, true);
        }
    add(C::AddMember, 0, 0, false);

    int next = 0;
    for (bool pass : {true, false})
        for (size_t i = 0; i < order.size(); ++i)
            if (numbered[i] == pass)
                order[i].tabIndex = next++;
    return order;
}

} // namespace

const std::vector<TabStop> &ordineTab(Modello m)
{
    static const std::array<std::vector<TabStop>, 3> orders = {
        buildOrder(Modello::Tradizionale), buildOrder(Modello::Dualistico), buildOrder(Modello::Monistico)};
    return orders[static_cast<size_t>(m)];
}

int tabIndexOf(Modello m, ControlKind kind, int index)
{
    for (const TabStop &s : ordineTab(m))
        if (s.kind == kind && s.index == index)
            return s.tabIndex;
    return -1;
}

} // namespace qst
