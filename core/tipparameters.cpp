#include "core/tipparameters.h"

#include <array>
#include <charconv>

namespace quorix {

namespace {

using P = TipParameters;

constexpr TipParameterInfo flag(std::string_view name, bool P::*member, std::string_view control) {
    return {name, member, nullptr, 0, 1, control, {}};
}

constexpr TipParameterInfo value(std::string_view name, int P::*member, int minimum, int maximum,
                                 std::string_view control, std::string_view spinner) {
    return {name, nullptr, member, minimum, maximum, control, spinner};
}

constexpr TipParameterInfo relaxed(TipParameterInfo info) {
    info.relaxed = true;
    return info;
}

const std::array kTable = {
    flag("preferFrequent", &P::preferFrequent, "CheckBox2"),
    value("frequentPercent", &P::frequentPercent, 5, 75, "Edit85", "UpDown12"),
    flag("preferRare", &P::preferRare, "CheckBox14"),
    value("rarePercent", &P::rarePercent, 5, 75, "Edit87", "UpDown14"),
    flag("preferOverdue", &P::preferOverdue, "CheckBox10"),
    value("overduePercent", &P::overduePercent, 5, 75, "Edit86", "UpDown13"),
    flag("preferFrequentPairs", &P::preferFrequentPairs, "CheckBox1"),
    flag("preferRarePairs", &P::preferRarePairs, "CheckBox11"),
    flag("preferFrequentTriples", &P::preferFrequentTriples, "CheckBox6"),
    flag("preferRareTriples", &P::preferRareTriples, "CheckBox12"),
    flag("preferFrequentQuadruples", &P::preferFrequentQuadruples, "CheckBox7"),
    flag("preferRareQuadruples", &P::preferRareQuadruples, "CheckBox13"),
    flag("preferNeighbours", &P::preferNeighbours, "CheckBox19"),
    flag("avoidMonthNumbers", &P::avoidMonthNumbers, "CheckBox29"),
    flag("reduceDayNumbers", &P::reduceDayNumbers, "CheckBox30"),

    flag("limitSharedMax", &P::limitSharedMax, "CheckBox3"),
    value("maxShared", &P::maxShared, 0, 5, "Edit39", "UpDown3"),
    flag("limitSharedMin", &P::limitSharedMin, "CheckBox24"),
    value("minShared", &P::minShared, 0, 5, "Edit88", "UpDown9"),
    flag("sharedLimitsEachTip", &P::sharedLimitsEachTip, "CheckBox27"),
    flag("neverWonBefore", &P::neverWonBefore, "CheckBox9"),
    relaxed(value("pastWinHits", &P::pastWinHits, 4, 6, "Edit42", "UpDown6")),
    flag("recentCheckLong", &P::recentCheckLong, "CheckBox34"),
    value("longHits", &P::longHits, 2, 6, "Edit94", "UpDown20"),
    value("longDraws", &P::longDraws, 4, 500, "Edit95", "UpDown21"),
    flag("recentCheckShort", &P::recentCheckShort, "CheckBox28"),
    value("shortHits", &P::shortHits, 2, 6, "Edit91", "UpDown17"),
    value("shortDraws", &P::shortDraws, 4, 500, "Edit92", "UpDown18"),
    flag("limitLastDraw", &P::limitLastDraw, "CheckBox4"),
    relaxed(value("maxFromLastDraw", &P::maxFromLastDraw, 0, 5, "Edit40", "UpDown4")),
    flag("limitPreviousDraw", &P::limitPreviousDraw, "CheckBox5"),
    relaxed(value("maxFromPreviousDraw", &P::maxFromPreviousDraw, 0, 5, "Edit41", "UpDown5")),
    flag("limitThirdLastDraw", &P::limitThirdLastDraw, "CheckBox23"),
    value("maxFromThirdLastDraw", &P::maxFromThirdLastDraw, 0, 5, "Edit84", "UpDown11"),
    flag("countBonusHit", &P::countBonusHit, "CheckBox35"),

    value("crossSumMin", &P::crossSumMin, 21, 279, "Edit37", "UpDown1"),
    value("crossSumMax", &P::crossSumMax, 21, 279, "Edit38", "UpDown2"),
    flag("requirePrimes", &P::requirePrimes, "CheckBox22"),
    value("minPrimes", &P::minPrimes, 0, 6, "Edit83", "UpDown10"),
    flag("requireEven", &P::requireEven, "CheckBox25"),
    value("minEven", &P::minEven, 0, 6, "Edit89", "UpDown15"),
    flag("requireOdd", &P::requireOdd, "CheckBox26"),
    value("minOdd", &P::minOdd, 0, 6, "Edit90", "UpDown16"),
    relaxed(flag("forcePair", &P::forcePair, "CheckBox8")),
    flag("noRunsOfThree", &P::noRunsOfThree, "CheckBox18"),

    flag("makeLucky", &P::makeLucky, "CheckBox33"),
    value("luckyOption", &P::luckyOption, 0, 2, "RadioGroup1", {}),
    value("jokerOption", &P::jokerOption, 0, 4, "RadioGroup2", {}),

    flag("onlyPreferredNumbers", &P::onlyPreferredNumbers, "CheckBox15"),
    flag("showNumberList", &P::showNumberList, "CheckBox20"),
    value("maxRunsThousands", &P::maxRunsThousands, 1, 30000, "Edit55", "UpDown7"),

    value("tipCount", &P::tipCount, 2, 14, {}, "UpDown8"),
};

Error badArgument(std::string message) {
    return {Error::Code::BadArgument, std::move(message)};
}

} // namespace

std::span<const TipParameterInfo> tipParameterTable() {
    return kTable;
}

const TipParameterInfo *findTipParameter(std::string_view name) {
    for (const TipParameterInfo &info : kTable) {
        if (info.name == name) return &info;
    }
    return nullptr;
}

Result<void> setTipParameter(TipParameters &parameters, std::string_view name, std::string_view text) {
    const TipParameterInfo *info = findTipParameter(name);
    if (!info) return badArgument("unknown parameter '" + std::string(name) + "'");
    if (info->isFlag()) {
        if (text == "on")
            parameters.*info->flag = true;
        else if (text == "off")
            parameters.*info->flag = false;
        else
            return badArgument(std::string(name) + " takes on or off, not '" + std::string(text) + "'");
        return {};
    }
    int number = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return badArgument(std::string(name) + " takes a whole number, not '" + std::string(text) + "'");
    if (number < info->minimum || number > info->maximum)
        return badArgument(std::string(name) + " must lie in " + std::to_string(info->minimum) + ".." +
                           std::to_string(info->maximum));
    parameters.*info->value = number;
    return {};
}

std::string tipParameterText(const TipParameters &parameters, const TipParameterInfo &info) {
    if (info.isFlag()) return parameters.*info.flag ? "on" : "off";
    return std::to_string(parameters.*info.value);
}

} // namespace quorix
