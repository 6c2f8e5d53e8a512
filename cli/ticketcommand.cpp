// quorix-cli ticket-marks: where the ticket printing puts its marks for a tip file.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "core/game/ticketlayout.h"
#include "core/game/tipsheet.h"
#include "output/tipfile.h"

namespace quorix::cli {

namespace {

constexpr long long kHighestOffset = 100;

Result<int> offset(const CliArgs &parsed, std::string_view name, int design) {
    auto value = parsed.integerOr(name, 0, kHighestOffset, design);
    if (!value) return value.error();
    return static_cast<int>(*value);
}

std::string markJson(const TicketMark &mark) {
    std::string json = "{\"kind\":\"" + std::string(ticketMarkKindName(mark.kind)) + "\"";
    if (mark.row > 0) json += ",\"row\":" + std::to_string(mark.row);
    if (mark.field > 0) json += ",\"field\":" + std::to_string(mark.field);
    return json + ",\"left\":" + std::to_string(mark.left) + ",\"top\":" + std::to_string(mark.top) + "}";
}

} // namespace

int runTicketMarks(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"tips", "top", "left"}, {"saturday", "wednesday"}, {"joker"});
    if (!parsed) return fail(parsed.error().message);
    if (auto none = parsed->noPositionals(); !none) return fail(none.error().message);
    auto jokers = jokerChoices(*parsed);
    if (!jokers) return fail(jokers.error().message);
    auto tipPath = parsed->text("tips");
    if (!tipPath) return fail(tipPath.error().message);
    TicketChoices choices;
    auto top = offset(*parsed, "top", choices.top);
    if (!top) return fail(top.error().message);
    auto left = offset(*parsed, "left", choices.left);
    if (!left) return fail(left.error().message);
    choices = {*top, *left, parsed->flag("saturday"), parsed->flag("wednesday"), *jokers};

    auto sheet = TipFile::read(*tipPath);
    if (!sheet) return fail(sheet.error().message);
    // Each field keeps what the sheet's own rule makes of its text, as when the window loads it.
    for (TipRow &row : sheet->rows)
        for (std::string &number : row.numbers)
            number = normalisedTipNumber(number);
    auto marks = layoutTicket(*sheet, choices);
    if (!marks) return fail(*tipPath + ": " + marks.error().message);

    std::string json = "{\"marks\":[";
    for (std::size_t i = 0; i < marks->size(); ++i) {
        if (i) json += ',';
        json += markJson((*marks)[i]);
    }
    json += "]}\n";
    std::fwrite(json.data(), 1, json.size(), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

} // namespace quorix::cli
