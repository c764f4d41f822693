#pragma once

#include <bitset>
#include <string_view>
#include <vector>

namespace qst
{

// Number of answer groups (0..81) shared by the boxes, the note links and both note tables.
inline constexpr int kGroups = 82;
// Number of question labels (0..80).
inline constexpr int kLabels = 81;

// A set of small indices written the way the tables of the form write them: "0-3, 11-16, 18".
// Used for answer groups and question labels alike.
class IndexSet
{
public:
    IndexSet() = default;
    explicit IndexSet(std::string_view ranges);

    bool contains(int i) const { return i >= 0 && i < kSize && bits_[static_cast<size_t>(i)]; }
    int count() const { return static_cast<int>(bits_.count()); }
    std::vector<int> toVector() const;
    bool operator==(const IndexSet &) const = default;

    static constexpr int kSize = 96;

private:
    std::bitset<kSize> bits_;
};

// The indices of a list written the same way, in the order written: "79-81, 72, 0-22".
std::vector<int> indexList(std::string_view ranges);

} // namespace qst
