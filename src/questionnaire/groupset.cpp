#include "groupset.h"

#include <charconv>
#include <stdexcept>
#include <string>

namespace qst
{

namespace
{

int parseNumber(std::string_view &s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    int value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || value < 0 || value >= IndexSet::kSize)
        throw std::invalid_argument("bad index list: " + std::string(s));
    s.remove_prefix(static_cast<size_t>(end - s.data()));
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return value;
}

} // namespace

std::vector<int> indexList(std::string_view ranges)
{
    std::vector<int> out;
    std::string_view s = ranges;
    while (!s.empty()) {
        const int from = parseNumber(s);
        int to = from;
        if (!s.empty() && s.front() == '-') {
            s.remove_prefix(1);
            to = parseNumber(s);
        }
        if (to < from)
            throw std::invalid_argument("bad index range: " + std::string(ranges));
        for (int i = from; i <= to; ++i)
            out.push_back(i);
        if (!s.empty()) {
            if (s.front() != ',')
                throw std::invalid_argument("bad index list: " + std::string(ranges));
            s.remove_prefix(1);
        }
    }
    return out;
}

IndexSet::IndexSet(std::string_view ranges)
{
    for (int i : indexList(ranges))
        bits_.set(static_cast<size_t>(i));
}

std::vector<int> IndexSet::toVector() const
{
    std::vector<int> out;
    for (int i = 0; i < kSize; ++i)
        if (bits_[static_cast<size_t>(i)])
            out.push_back(i);
    return out;
}

} // namespace qst
