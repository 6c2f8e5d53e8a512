#include "output/repetitionreport.h"

namespace quorix {

std::vector<std::string> RepetitionReport::lines(const RepetitionTables &tables,
                                                 const std::array<std::string, 4> &headings) {
    const std::array<const ShareCounts *, 4> counts = {&tables.earlier, &tables.next1, &tables.next2,
                                                       &tables.next3};
    std::vector<std::string> lines;
    for (std::size_t t = 0; t < counts.size(); ++t) {
        if (t > 0) lines.emplace_back(" ");
        lines.push_back(headings[t]);
        for (std::size_t x = 0; x < counts[t]->size(); ++x)
            lines.push_back(std::to_string(x) + "x    =>" + std::to_string((*counts[t])[x]));
    }
    return lines;
}

} // namespace quorix
