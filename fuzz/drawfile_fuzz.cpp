// A hostile draw history file: decoding its records (with a torn tail), reading and appending
// through the file, and what the program does with the draws it read (browsing, display lines,
// statistics, the history table of a computation, export as CSV).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/base/calendar.h"
#include "core/history/drawbrowser.h"
#include "core/history/drawcsv.h"
#include "core/history/drawfile.h"
#include "core/history/drawtable.h"
#include "core/statistics/statistics.h"
#include "fuzzsupport.h"

using namespace quorix;
using quorix::fuzz::check;

namespace {

void useDraw(const Draw &d) {
    check(DrawRecord::fromDraw(d).toDraw() == d, "a decoded draw survives writing it back");
    // What the exchange format accepts must come back unchanged; the rest it refuses.
    const auto back = parseDrawCsvLine(drawCsvLine(d));
    if (back) check(*back == d, "an exported draw reads back unchanged");
    (void)selectedDrawLine("Sa", d, true);
    (void)steppedDrawLine("Mi", d);
    (void)selectedJokerLine("Sa", d);
    (void)steppedJokerLine("Mi", d);
    (void)crossSumText(d);
    (void)formatDmy(d.date);
    (void)formatShortDmy(d.date);
    (void)nextDrawDay(d.date);
}

void browse(std::span<const Draw> draws, std::uint8_t choice) {
    const WeekdayFilter filter{(choice & 1) != 0, (choice & 2) != 0};
    const std::size_t current = choice % (draws.size() + 2); // may lie past the end
    const BrowsedDraw back = stepBack(draws, current, filter);
    const BrowsedDraw forward = stepForward(draws, current, filter);
    if (!draws.empty()) {
        check(back.index < draws.size() && back.draw == draws[back.index], "a step back lands on a draw");
        check(forward.index < draws.size() && forward.draw == draws[forward.index],
              "a step forward lands on a draw");
    }
    BrowsedDraw selected;
    const DaySerial endDate = draws.empty() ? 0 : draws[choice % draws.size()].date;
    if (drawForEndDate(draws, endDate, selected))
        check(selected.index < draws.size() && selected.draw == draws[selected.index],
              "the end date selects a draw");
}

void analyse(std::span<const Draw> draws, std::uint8_t choice) {
    StatisticsWindow window;
    window.startDate = draws.empty() ? 0 : draws.front().date;
    window.endDate = draws.empty() ? 0 : draws.back().date;
    window.saturday = (choice & 4) != 0;
    window.wednesday = (choice & 8) != 0;
    for (StatisticKind kind : kAllStatisticKinds)
        (void)computeStatistic(kind, window, draws);
    const DrawTable table(draws, window);
    const NumberMask tip = draws.empty() ? 0 : maskOf(draws.front().numbers);
    const int hits = choice % 7;
    (void)table.noRecentHits(tip, hits, choice, (choice & 16) != 0);
    (void)table.noPastWin(tip, hits, (choice & 32) != 0);
}

// The same bytes as a file: reading gives what decoding gives, and an append keeps every whole
// record, adds its draw only after the last record's date and overwrites a torn tail.
void throughFile(const std::uint8_t *data, std::size_t size, const std::vector<Draw> &draws) {
    const quorix::fuzz::ScratchFolder folder("drawfile");
    const DrawFile file = DrawFile::inFolder(folder.path());
    quorix::fuzz::writeFile(file.path(), data, size);
    const auto all = file.readAll();
    check(all && *all == draws, "reading the file gives the decoded draws");
    const auto last = file.readLast();
    check(last && *last == (draws.empty() ? Draw{} : draws.back()), "the last record is the last draw");
    check(file.tornTailSize() == size % DrawRecord::kSize, "the torn tail is what lies behind the records");
    (void)file.checkHistory(serialFromYmd(2026, 1, 1));

    // Writing back what was read changes no byte of a whole record, however odd its date.
    check(file.rewrite(draws).ok(), "the draws read can be written back");
    const std::string whole(reinterpret_cast<const char *>(data), size - size % DrawRecord::kSize);
    check(quorix::fuzz::readFile(file.path()) == whole, "a rewrite keeps the bytes of unchanged records");

    Draw added;
    added.date = serialFromYmd(2026, 8, 22);
    added.numbers = {1, 2, 3, 4, 5, 6};
    const auto appended = file.append(added);
    check(appended.ok(), "an append of a draw is no error");
    // Only a draw after the last record's date is written; any other leaves the file as it is.
    const bool follows = draws.empty() || draws.back().date < added.date;
    check(*appended == (follows ? AppendResult::Appended : AppendResult::NotAfterNewest),
          "a draw is appended exactly when it follows the last record");
    std::vector<Draw> expected = draws;
    if (follows) expected.push_back(added);
    const auto after = file.readAll();
    check(after && *after == expected, "an append keeps the whole records and adds one when it follows");
    check(std::filesystem::file_size(file.path()) == expected.size() * DrawRecord::kSize,
          "an append leaves no torn tail");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::vector<Draw> draws;
    const bool completed = visitDrawRecords({data, size}, 0, [&](const Draw &d, std::size_t index) {
        check(index == draws.size(), "records are visited in order");
        draws.push_back(d);
        return true;
    });
    check(completed && draws.size() == size / DrawRecord::kSize, "every whole record is decoded");

    for (const Draw &d : draws)
        useDraw(d);
    const std::uint8_t choice = size > 0 ? data[size - 1] : 0;
    browse(draws, choice);
    analyse(draws, choice);
    throughFile(data, size, draws);
    return 0;
}
