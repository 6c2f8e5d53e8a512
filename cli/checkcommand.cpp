// quorix-cli check: a tip file against a draw, as the window's load and check show it.
#include <cstdio>
#include <string>
#include <string_view>

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "core/history/drawbrowser.h"
#include "core/history/drawfile.h"
#include "core/game/tipcheck.h"
#include "core/game/tipsheet.h"
#include "output/tipfile.h"

namespace quorix::cli {

namespace {

std::string rowJson(std::size_t row, const TipRow &input, const RowCheck &check) {
    std::string json = "{\"row\":" + std::to_string(row + 1) + ",\"numbers\":[";
    if (!check.valid) return json + "],\"lucky\":\"-\"}";
    for (std::size_t i = 0; i < check.sorted.size(); ++i) {
        if (i) json += ',';
        json += std::to_string(check.sorted[i]);
    }
    json += "],\"lucky\":" + jsonString(input.lucky);
    json += ",\"hits\":" + std::to_string(check.match.hits);
    json += std::string(",\"bonusHit\":") + (check.match.bonusHit ? "true" : "false");
    json += std::string(",\"luckyHit\":") + (check.match.luckyHit ? "true" : "false");
    return json + "}";
}

} // namespace

int runCheck(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"draws", "tips", "date"}, {});
    if (!parsed) return fail(parsed.error().message);
    if (auto none = parsed->noPositionals(); !none) return fail(none.error().message);
    auto drawPath = parsed->text("draws");
    if (!drawPath) return fail(drawPath.error().message);
    auto tipPath = parsed->text("tips");
    if (!tipPath) return fail(tipPath.error().message);
    // Without a date the newest draw is checked, as at start-up.
    const auto endDate = parsed->dateOr("date", todaySerial());
    if (!endDate) return fail(endDate.error().message);

    const DrawFile file(*drawPath);
    if (!file.exists()) return fail(*drawPath + ": no such draw file");
    auto draws = file.readAll();
    if (!draws) return fail(draws.error().message);
    BrowsedDraw selected;
    if (!drawForEndDate(*draws, *endDate, selected)) return fail(*drawPath + " holds no draws");

    auto sheet = TipFile::read(*tipPath);
    if (!sheet) return fail(sheet.error().message);
    // Each field keeps what the sheet's own rule makes of its text.
    for (TipRow &row : sheet->rows)
        for (std::string &number : row.numbers)
            number = normalisedTipNumber(number);

    std::string json = "{\"date\":\"" + formatIso(selected.draw.date) + "\",\"rows\":[";
    for (std::size_t r = 0; r < sheet->rows.size(); ++r) {
        if (r) json += ',';
        json += rowJson(r, sheet->rows[r], checkRow(sheet->rows[r], selected.draw));
    }
    json += "]}\n";
    std::fwrite(json.data(), 1, json.size(), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

} // namespace quorix::cli
