#include "referencerepetition.h"

#include <array>
#include <stdexcept>

#include "core/history/drawfile.h"
#include "core/game/tipcheck.h"

namespace quorix::reference {

namespace {

std::vector<Draw> readFile(const DrawFile &file) {
    auto draws = file.readAll();
    if (!draws) throw std::runtime_error(draws.error().message);
    return *draws;
}

void step(DrawBrowser &browser, const DrawFile &file, const WeekdayFilter &filter, bool back) {
    const Result<void> stepped = back ? browser.stepBack(file, filter) : browser.stepForward(file, filter);
    if (!stepped) throw std::runtime_error(stepped.error().message);
}

} // namespace

RepetitionRun repetitionWalk(const std::filesystem::path &drawFile, const RepetitionSettings &settings,
                             int stopAfter) {
    const DrawFile file(drawFile);
    RepetitionRun run;
    RepetitionOutcome &out = run.outcome;
    DrawBrowser browser;
    if (!browser.selectForEndDate(file, settings.fromDate)) throw std::runtime_error("cannot read");
    if (readFile(file).empty()) return run;
    for (;;) {
        const BrowsedDraw turn = browser.current();
        ++out.turns;
        out.lastTurnDraw = turn.draw;
        out.current = turn;
        // The tip row takes the draw's numbers as the texts of its fields; its lucky box is
        // whatever the row holds, here "-".
        std::array<std::string, 6> row;
        for (std::size_t i = 0; i < row.size(); ++i)
            row[i] = std::to_string(turn.draw.numbers[i]);

        DaySerial newest = 0;
        for (const Draw &r : readFile(file)) {
            newest = r.date;
            if (r.date < settings.startDate || r.date >= turn.draw.date) continue;
            const TipMatch m = zettelcheck(row, "-", r);
            ++out.tables.earlier.at(static_cast<std::size_t>(m.hits));
            if (m.hits < settings.threshold) continue;
            run.matches.push_back(formatIso(turn.draw.date) + ">" + formatIso(r.date));
            if (stopAfter >= 0 && static_cast<int>(run.matches.size()) >= stopAfter) {
                out.stopped = true;
                return run;
            }
        }

        // Up to three steps forward; a step that stays or goes back finds no following draw.
        std::array<ShareCounts *, 3> tables = {&out.tables.next1, &out.tables.next2, &out.tables.next3};
        std::vector<BrowsedDraw> path{turn};
        for (ShareCounts *table : tables) {
            step(browser, file, settings.filter, false);
            if (browser.current().index <= path.back().index) break;
            path.push_back(browser.current());
            ++table->at(static_cast<std::size_t>(zettelcheck(row, "-", browser.current().draw).hits));
        }
        // Back to the first following draw with the browser's own steps.
        browser.setCurrent(path.back());
        while (path.size() > 2) {
            path.pop_back();
            step(browser, file, settings.filter, true);
            if (!(browser.current() == path.back())) throw std::runtime_error("step back went astray");
        }
        if (path.size() < 2) {
            browser.setCurrent(turn);
            return run;
        }
        browser.setCurrent(path[1]);
        out.current = path[1];
        if (path[1].draw.date >= newest) return run;
    }
}

} // namespace quorix::reference
