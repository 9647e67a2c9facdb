#pragma once

#include <cstddef>
#include <vector>

namespace kb::reihen {

// The uncovered t-sets of a search: a list to draw from at random plus each member's place in it,
// so adding and removing are O(1) (removal moves the last member into the gap).
struct OffeneMenge {
    std::vector<int> liste;
    std::vector<int> stelle; // place in liste, -1 when not a member

    void hinzu(int r) {
        stelle[static_cast<std::size_t>(r)] = static_cast<int>(liste.size());
        liste.push_back(r);
    }
    void weg(int r) {
        const int s = stelle[static_cast<std::size_t>(r)];
        const int letzte = liste.back();
        liste[static_cast<std::size_t>(s)] = letzte;
        stelle[static_cast<std::size_t>(letzte)] = s;
        liste.pop_back();
        stelle[static_cast<std::size_t>(r)] = -1;
    }
};

} // namespace kb::reihen
