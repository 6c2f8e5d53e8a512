// A hostile draw history CSV: parsing it, and what an import does with the draws it accepts
// (merging them into the history, storing them in the draw file, exporting them again).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/drawcsv.h"
#include "core/drawfile.h"
#include "fuzzsupport.h"

using namespace quorix;
using quorix::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    (void)parseDrawCsvLine(text);
    const auto csv = parseDrawCsv(text);
    if (!csv) return 0;

    std::size_t previous = 1;
    for (const CsvReject &reject : csv->rejects) {
        check(reject.line > previous, "rejects come in line order, after the header");
        check(!reject.reason.empty(), "a reject says why");
        previous = reject.line;
    }
    for (const Draw &d : csv->draws) {
        check(DrawRecord::fromDraw(d).toDraw() == d, "an accepted draw survives the draw file");
        const auto back = parseDrawCsvLine(drawCsvLine(d));
        check(back && *back == d, "an accepted draw exports and reads back unchanged");
    }
    const std::vector<Draw> merged = mergeDraws(csv->draws, csv->draws);
    check(std::is_sorted(merged.begin(), merged.end(),
                         [](const Draw &a, const Draw &b) { return a.date < b.date; }),
          "a merged history is in date order");
    check(std::adjacent_find(merged.begin(), merged.end(),
                             [](const Draw &a, const Draw &b) { return a.date == b.date; }) == merged.end(),
          "a merged history holds one draw per date");
    return 0;
}
