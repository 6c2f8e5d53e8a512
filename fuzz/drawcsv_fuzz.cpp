// A hostile draw history CSV: parsing it, and what an import does with the draws it accepts
// (merging them into the history, storing them in the draw file, exporting them again), and
// reading the same bytes from a file.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/history/drawcsv.h"
#include "core/history/drawfile.h"
#include "fuzzsupport.h"

using namespace quorix;
using quorix::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    (void)parseDrawCsvLine(text);
    const auto csv = parseDrawCsv(text);

    // The file reader must agree with the text parser.
    const quorix::fuzz::ScratchFolder folder("drawcsv");
    quorix::fuzz::writeFile(folder.path() / "in.csv", data, size);
    const auto fromFile = readDrawCsv(folder.path() / "in.csv");
    check(fromFile.ok() == csv.ok(), "the file reader accepts what the text parser accepts");
    if (!csv) return 0;
    check(fromFile->draws == csv->draws && fromFile->rejects.size() == csv->rejects.size(),
          "the file reader gives the text parser's draws and rejects");
    for (std::size_t i = 0; i < csv->rejects.size(); ++i)
        check(fromFile->rejects[i].line == csv->rejects[i].line &&
                  fromFile->rejects[i].reason == csv->rejects[i].reason,
              "the file reader rejects the same lines for the same reasons");

    std::size_t previous = 1;
    for (const CsvReject &reject : csv->rejects) {
        check(reject.line > previous, "rejects come in line order, after the header");
        check(!reject.reason.empty(), "a reject says why");
        check(reject.reason.size() < 200, "a reject's reason stays short, however long the line");
        previous = reject.line;
    }
    for (const Draw &d : csv->draws) {
        const DrawRecord record = DrawRecord::fromDraw(d);
        check(record.toDraw() == d, "an accepted draw survives the draw file");
        check(!looksLikeDrawCsv({reinterpret_cast<const char *>(record.bytes.data()), record.bytes.size()}),
              "a draw file is never taken for a CSV");
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
