#include "core/compute/tipparameters.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "core/game/game.h"

namespace quorix {

namespace {

using P = TipParameters;

// A check box; its settings value is spelled "Chekcbox" + the box's number.
constexpr TipParameterInfo check(std::string_view name, bool P::*member, std::string_view control,
                                 std::string_view settingsName, std::string_view caption,
                                 std::string_view hint = {}) {
    TipParameterInfo info;
    info.name = name;
    info.flag = member;
    info.control = control;
    info.settingsName = settingsName;
    info.caption = caption;
    info.hint = hint;
    return info;
}

// The range of a spin field and the step of its buttons.
struct SpinRange {
    int minimum;
    int maximum;
    int step = 1;
};

// An edit field with spin buttons; the settings store keeps the spinner's position.
constexpr TipParameterInfo spin(std::string_view name, int P::*member, SpinRange range,
                                std::string_view control, std::string_view spinner,
                                std::string_view hint = {}) {
    TipParameterInfo info;
    info.name = name;
    info.value = member;
    info.minimum = range.minimum;
    info.maximum = range.maximum;
    info.step = range.step;
    info.control = control;
    info.spinner = spinner;
    info.settingsName = spinner;
    info.hint = hint;
    return info;
}

// An option group: the value is the selected item.
constexpr TipParameterInfo options(std::string_view name, int P::*member, int maximum,
                                   std::string_view control) {
    TipParameterInfo info;
    info.name = name;
    info.value = member;
    info.maximum = maximum;
    info.control = control;
    info.settingsName = control;
    return info;
}

constexpr TipParameterInfo relaxed(int order, TipParameterInfo info) {
    info.relaxed = true;
    info.relaxOrder = order;
    return info;
}

constexpr std::string_view kPercentHint =
    "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";
constexpr std::string_view kPreviousDrawHint = "Übereinstimmung mit Zahlen aus vorhergehender Ziehung";
constexpr std::string_view kHistoryHint = "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen "
                                          "mit dem Datum  aus deer Diagrammübersicht";
constexpr std::string_view kHitsHint =
    "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen";
constexpr std::string_view kDrawsHint =
    "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen";

const std::array kTable = {
    // "Statistisch"
    check("preferFrequent", &P::preferFrequent, "CheckBox2", "Chekcbox2",
          "Zahlen die besonders oft gezogen wurden bevorzugen"),
    spin("frequentPercent", &P::frequentPercent, {5, 75}, "Edit85", "UpDown12", kPercentHint),
    check("preferRare", &P::preferRare, "CheckBox14", "Chekcbox14",
          "Zahlen die besonders selten gezogen wurden bevorzugen"),
    spin("rarePercent", &P::rarePercent, {5, 75}, "Edit87", "UpDown14", kPercentHint),
    check("preferOverdue", &P::preferOverdue, "CheckBox10", "Chekcbox10",
          "Zahlen die am längsten überfällig sind"),
    spin("overduePercent", &P::overduePercent, {5, 75}, "Edit86", "UpDown13", kPercentHint),
    check("preferFrequentPairs", &P::preferFrequentPairs, "CheckBox1", "Chekcbox1",
          "Zahlen mit einer häufigen Paarebildung bevorzugen"),
    check("preferRarePairs", &P::preferRarePairs, "CheckBox11", "Chekcbox11", "seltensten"),
    check("preferFrequentTriples", &P::preferFrequentTriples, "CheckBox6", "Chekcbox6",
          "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen"),
    check("preferRareTriples", &P::preferRareTriples, "CheckBox12", "Chekcbox12", "seltensten"),
    check("preferFrequentQuadruples", &P::preferFrequentQuadruples, "CheckBox7", "Chekcbox7",
          "Zahlen mit einer häufigen Viergruppenbildung bevorzugen"),
    check("preferRareQuadruples", &P::preferRareQuadruples, "CheckBox13", "Chekcbox13", "seltensten"),
    check("preferNeighbours", &P::preferNeighbours, "CheckBox19", "Chekcbox19",
          "benachbarte Zahlen der letzten Ziehung bevorzugen"),
    check("avoidMonthNumbers", &P::avoidMonthNumbers, "CheckBox29", "Chekcbox29",
          "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) "),
    check("reduceDayNumbers", &P::reduceDayNumbers, "CheckBox30", "Chekcbox30",
          "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  seltener im Tipp enthalten"),

    // "Schein Optimierung"
    check("limitSharedMax", &P::limitSharedMax, "CheckBox3", "Chekcbox3",
          "maximale Übereinstimmungen mit anderen Tipps"),
    spin("maxShared", &P::maxShared, {0, 5}, "Edit39", "UpDown3"),
    check("limitSharedMin", &P::limitSharedMin, "CheckBox24", "Chekcbox24",
          "minimale Übereinstimmungen mit anderen Tipps"),
    spin("minShared", &P::minShared, {0, 5}, "Edit88", "UpDown9"),
    check("sharedLimitsEachTip", &P::sharedLimitsEachTip, "CheckBox27", "Chekcbox27",
          "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden"),
    check("neverWonBefore", &P::neverWonBefore, "CheckBox9", "Chekcbox9",
          "Tipp enspricht noch keiner Ziehung der Datenbank nit ", kHistoryHint),
    relaxed(2, spin("pastWinHits", &P::pastWinHits, {4, 6}, "Edit42", "UpDown6",
                    "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden")),
    check("recentCheckLong", &P::recentCheckLong, "CheckBox34", "Chekcbox34", "Tipp ergibt keine ",
          kHistoryHint),
    spin("longHits", &P::longHits, {2, 6}, "Edit94", "UpDown20", kHitsHint),
    spin("longDraws", &P::longDraws, {4, 500}, "Edit95", "UpDown21", kDrawsHint),
    check("recentCheckShort", &P::recentCheckShort, "CheckBox28", "Chekcbox28", "Tipp ergibt keine",
          kHistoryHint),
    spin("shortHits", &P::shortHits, {2, 6}, "Edit91", "UpDown17", kHitsHint),
    spin("shortDraws", &P::shortDraws, {4, 500}, "Edit92", "UpDown18", kDrawsHint),
    check("limitLastDraw", &P::limitLastDraw, "CheckBox4", "Chekcbox4",
          "maximal zugelassene Anzahl von Zahlen der letzten Ziehung ", kPreviousDrawHint),
    relaxed(3, spin("maxFromLastDraw", &P::maxFromLastDraw, {0, 5}, "Edit40", "UpDown4")),
    check("limitPreviousDraw", &P::limitPreviousDraw, "CheckBox5", "Chekcbox5",
          "maximal zugelassene Anzahl von Zahlen der vorletzten Ziehung ", kPreviousDrawHint),
    relaxed(4, spin("maxFromPreviousDraw", &P::maxFromPreviousDraw, {0, 5}, "Edit41", "UpDown5")),
    // It limits the numbers of the third-last draw; its caption says so rather than repeating
    // CheckBox4's.
    check("limitThirdLastDraw", &P::limitThirdLastDraw, "CheckBox23", "Chekcbox23",
          "maximal zugelassene Anzahl von Zahlen der drittletzten Ziehung ", kPreviousDrawHint),
    spin("maxFromThirdLastDraw", &P::maxFromThirdLastDraw, {0, 5}, "Edit84", "UpDown11"),
    check("countBonusHit", &P::countBonusHit, "CheckBox35", "Chekcbox35",
          "Zusatzzahl in die Berechnung der Richtigen mit einbeziehen "),

    // "Mathematisch"
    spin("crossSumMin", &P::crossSumMin, {21, 279}, "Edit37", "UpDown1"),
    spin("crossSumMax", &P::crossSumMax, {21, 279}, "Edit38", "UpDown2"),
    check("requirePrimes", &P::requirePrimes, "CheckBox22", "Chekcbox22",
          "mindest Anzahl von Primzahlen in jedem Tipp"),
    spin("minPrimes", &P::minPrimes, {0, 6}, "Edit83", "UpDown10"),
    check("requireEven", &P::requireEven, "CheckBox25", "Chekcbox25",
          "mindest Anzahl von geraden Zahlen in jedem Tipp"),
    spin("minEven", &P::minEven, {0, 6}, "Edit89", "UpDown15"),
    check("requireOdd", &P::requireOdd, "CheckBox26", "Chekcbox26",
          "mindest Anzahl ungeraden Zahlen in jedem Tipp"),
    spin("minOdd", &P::minOdd, {0, 6}, "Edit90", "UpDown16"),
    relaxed(1, check("forcePair", &P::forcePair, "CheckBox8", "Chekcbox8",
                     "eine Paarbildung pro Tipp erzwingen")),
    check("noRunsOfThree", &P::noRunsOfThree, "CheckBox18", "Chekcbox18", "keine Dreier , Vierer... Paare"),

    // "Glückszahl"
    check("makeLucky", &P::makeLucky, "CheckBox33", "Chekcbox33", "Pluszahlen bei Berechnung mit erzeugen",
          "Bei Zufall und selten gezogenen Zahlen werden die letzt x darf keine Superzahl aus den letzten x "
          "Ziehungen verwendet werden"),
    options("luckyOption", &P::luckyOption, 2, "RadioGroup1"),
    options("jokerOption", &P::jokerOption, 4, "RadioGroup2"),

    // "Allgemein"
    check("onlyPreferredNumbers", &P::onlyPreferredNumbers, "CheckBox15", "Chekcbox15",
          "für den Tipp nur bevorzugte Zahlen verwenden!"),
    check("showNumberList", &P::showNumberList, "CheckBox20", "Chekcbox20",
          "Liste für Zahlenreihengenerierung anzeigen / bearbeiten"),
    spin("maxRunsThousands", &P::maxRunsThousands, {1, 30000}, "Edit55", "UpDown7"),

    // The sheet's spin field beside the compute button; it counts in steps of two.
    spin("tipCount", &P::tipCount, {2, kTipRowCount, 2}, "Edit80", "UpDown8",
         "Anzahl der Tipps die berechnet werden"),
};

Error badArgument(std::string message) {
    return {Error::Code::BadArgument, std::move(message)};
}

} // namespace

std::span<const TipParameterInfo> tipParameterTable() {
    return kTable;
}

std::span<const TipParameterInfo *const> relaxedParameters() {
    static const std::vector<const TipParameterInfo *> relaxed = [] {
        std::vector<const TipParameterInfo *> infos;
        for (const TipParameterInfo &info : kTable)
            if (info.relaxed) infos.push_back(&info);
        std::ranges::sort(infos, {}, &TipParameterInfo::relaxOrder);
        return infos;
    }();
    return relaxed;
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
