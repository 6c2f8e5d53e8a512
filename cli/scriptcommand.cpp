// quorix-cli fill-script: a click script filled with a tip file, as the window hands it on.
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "core/game/tipsheet.h"
#include "output/clickscript.h"
#include "output/tipfile.h"

namespace quorix::cli {

int runFillScript(std::span<char *const> args) {
    auto parsed = CliArgs::parse(args, {"script", "tips"}, {"saturday", "wednesday"}, {"joker"});
    if (!parsed) return fail(parsed.error().message);
    if (auto none = parsed->noPositionals(); !none) return fail(none.error().message);
    ClickScriptChoices choices;
    const auto jokers = jokerChoices(*parsed);
    if (!jokers) return fail(jokers.error().message);
    choices.jokers = *jokers;
    auto scriptPath = parsed->text("script");
    if (!scriptPath) return fail(scriptPath.error().message);
    auto tipPath = parsed->text("tips");
    if (!tipPath) return fail(tipPath.error().message);
    choices.saturday = parsed->flag("saturday");
    choices.wednesday = parsed->flag("wednesday");

    auto sheet = TipFile::read(*tipPath);
    if (!sheet) return fail(sheet.error().message);
    // The sheet's fields keep what their own rule makes of a loaded text; the lucky box keeps it all.
    for (TipRow &row : sheet->rows)
        for (std::string &number : row.numbers)
            number = normalisedTipNumber(number);
    auto script = ClickScript::read(*scriptPath);
    if (!script) return fail(script.error().message);
    auto filled = ClickScript::fill(*script, *sheet, choices);
    if (!filled) return fail(*scriptPath + ": " + filled.error().message);
    std::fwrite(filled->data(), 1, filled->size(), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitBad;
}

} // namespace quorix::cli
