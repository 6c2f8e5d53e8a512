#include "app/mainwindow/controltables.h"

#include <cstring>
#include <iterator>
#include <string_view>
#include <vector>

#include "core/compute/tipparameters.h"

namespace quorix {

const std::array<TipRowControls, kTipRowCount> kTipRows = {{
    {{1, 2, 3, 4, 5, 6}, "ComboBox1", "Label28", "Tipp1Edit", "Label36", "Label22"},
    {{7, 8, 9, 10, 11, 12}, "ComboBox2", "Label30", "Tipp2Edit", "Label37", "Label23"},
    {{13, 14, 15, 16, 17, 18}, "ComboBox3", "Label31", "Tipp3Edit", "Label38", "Label24"},
    {{19, 20, 21, 22, 23, 24}, "ComboBox4", "Label32", "Tipp4Edit", "Label39", "Label25"},
    {{25, 26, 27, 28, 29, 30}, "ComboBox5", "Label33", "Tipp5Edit", "Label40", "Label26"},
    {{31, 32, 33, 34, 35, 36}, "ComboBox6", "Label34", "Tipp6Edit", "Label41", "Label27"},
    {{43, 44, 45, 46, 47, 48}, "ComboBox7", "Label46", "Tipp7Edit", "Label49", "Label45"},
    {{49, 50, 51, 52, 53, 54}, "ComboBox8", "Label48", "Tipp8Edit", "Label50", "Label47"},
    {{56, 57, 58, 59, 60, 61}, "ComboBox9", "Label62", "Tipp9Edit", "Label67", "Label65"},
    {{62, 63, 64, 65, 66, 67}, "ComboBox10", "Label61", "Tipp10Edit", "Label68", "Label66"},
    {{68, 69, 70, 71, 72, 73}, "ComboBox11", "Label63", "Tipp11Edit", "Label71", "Label69"},
    {{74, 75, 76, 77, 78, 79}, "ComboBox12", "Label64", "Tipp12Edit", "Label72", "Label70"},
    {{96, 98, 100, 102, 104, 106}, "ComboBox13", "Label79", "SpeedButton19", "Label99", "Label101"},
    {{97, 99, 101, 103, 105, 107}, "ComboBox14", "Label98", "SpeedButton20", "Label100", "Label102"},
}};

namespace {

// The check boxes that are no computation setting; those that are come from the parameter table.
const CheckBoxEntry kOtherChecks[] = {
    // "Lottotipp"
    {"CheckBox16", "Samstag Ziehungen", true, ""},
    {"CheckBox17", "Mittwoch Ziehungen", true, ""},
    // "Datenbank"
    {"CheckBox31", "Neuberechnung  nur wenn ein 3er erzielt wurde", false, ""},
    // Stored with the others; no visible place in the window.
    {"CheckBox32", "", false, ""},
};

// The parameter table's texts are string literals, so data() is null-terminated; an absent text
// is an empty one.
const char *text(std::string_view literal) {
    return literal.empty() ? "" : literal.data();
}

const std::vector<CheckBoxEntry> &checks() {
    static const std::vector<CheckBoxEntry> entries = [] {
        std::vector<CheckBoxEntry> all;
        for (const TipParameterInfo &info : tipParameterTable()) {
            if (info.isFlag())
                all.push_back({text(info.control), text(info.caption), info.defaultValue() != 0,
                               text(info.hint), &info});
        }
        all.insert(all.end(), std::begin(kOtherChecks), std::end(kOtherChecks));
        return all;
    }();
    return entries;
}

// Every spin field of the window is a computation setting.
const std::vector<SpinFieldEntry> &spins() {
    static const std::vector<SpinFieldEntry> entries = [] {
        std::vector<SpinFieldEntry> all;
        for (const TipParameterInfo &info : tipParameterTable()) {
            if (!info.isFlag() && !info.spinner.empty())
                all.push_back({text(info.spinner), text(info.control), info.defaultValue(), info.minimum,
                               info.maximum, info.step, text(info.hint), &info});
        }
        return all;
    }();
    return entries;
}

const ButtonEntry kButtons[] = {
    // "Lottotipp": draw panel, compute panel, sheet buttons
    {"SpeedButton6", "<", "vorhergehende Ziehung anzeigen"},
    {"SpeedButton7", ">", "nächste Ziehung anzeigen"},
    {"SpeedButton10", "Aktualisieren", "Ziehungen vom Zahlenserver einlesen"},
    {"SpeedButton13", "Glückszahl setzen",
     "Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren"},
    {"TippsBerechnen", "Tipps &berechnen",
     "Die eingestellt Anzahl von Tipps wird mit den vorgegebenen Parametern berechnet"},
    {"SpeedButton12", "Schein drucken",
     "Wenn Sie schon einen Lottoschein haben können Sie Hier den Tipp direkt in den Schein drucken oder "
     "Online abgeben"},
    {"OnlineTipp", "Tipp &abgeben", "Hier können Sie den Tipp Online abgeben"},
    {"SpeedButton4", "Tipps in DB suchen",
     "Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde"},
    {"Button6", "Tippverteilung", "Verteilung der Zahlen aller Tipps im Diagramm anzeigen"},
    {"BitBtn7", "Tipp", "Tipps als Liste anzeigen"},
    {"SpeedButton15", "Speichern", "Speichern des Tipps"},
    {"SpeedButton16", "Laden", "Tipp laden aus Datei"},
    {"Loeschen", "Löschen", "Löschen aller Tipps"},
    // "Diagramm" tool bar
    {"SpeedButton200", "", "Verteilung der gezogenen Zahlen"},
    {"SpeedButton9", "QS", "Verteilung der Quersummen"},
    {"SpeedButton201", "2er", "Paare aufeinanderfolgender Zahlen"},
    {"SpeedButton202", "3er", "Dreier aufeinanderfolgender Zahlen"},
    {"SpeedButton203", "4er", "Vierer aufeinanderfolgender Zahlen"},
    {"SpeedButton204", "Ausstehende", "wie lange sind die einzelnen Zahlen überfällig"},
    {"SpeedButton3", "Plus+", "wie oft wurden die einzelnen Pluszahlen gezogen"},
    {"SpeedButton205", "Plus+ offen", "wie lange sind die einzelnen Sternzahlen überfällig"},
    // "Datenbank"
    {"SpeedButton5", "Bewerten", "Bewertung des Tipps für die Ziehung des gewählten Datums"},
    {"BitBtn1", "&Datenbank aktualisieren", "Ziehungen vom Zahlenserver einlesen"},
    {"SpeedButton8", "Stopp", "Stoppt das Einlesen"},
    {"BitBtn8", "Eingeben", "manuelle eingaben der Ziehungsdaten."},
    {"BitBtn6", "Löschen", "Löschen der aktuell angezeigten Ziehung"},
    {"CsvImport", "CSV importieren…", "Ziehungen aus einer CSV-Datei in die Datenbank übernehmen"},
    {"Button2", "Paare suchen", "Diagramm der Paare aufeinanderfolgender Zahlen"},
    {"Button3", "Dreier suchen", "Diagramm der Dreier aufeinanderfolgender Zahlen"},
    {"Button4", "Vierer suchen", "Diagramm der Vierer aufeinanderfolgender Zahlen"},
    {"Button5", "Ausstehende", "Diagramm der überfälligen Zahlen"},
    {"Button8", "Pluszahl ausstehende", "Diagramm der überfälligen Pluszahlen"},
    {"Button9", "Primzahlen pro Tipp", "Diagramm der Primzahlen pro Tipp"},
    {"Button10", "Ungerade pro Tipp", "Diagramm der ungeraden Zahlen pro Tipp"},
    {"Button11", "Gerade pro Tipp", "Diagramm der geraden Zahlen pro Tipp"},
    {"BitBtn9", "Historische Analyse der Parameter beginnenden mit oben gewähltem Datum", ""},
    {"BitBtn19", "Historische Analyse beginnend mit dem oben gewähltem Datum", ""},
    // "Joker"
    {"SpeedButton30", "<", "vorhergehende Ziehung anzeigen"},
    {"SpeedButton18", ">", "nächste Ziehung anzeigen"},
    {"Joker1xxxxx", "1xxxxx", ""},
    {"Jokerx1xxxx", "x1xxxx", ""},
    {"Jokerxx1xxx", "xx1xxx", ""},
    {"Jokerxxx1xx", "xxx1xx", ""},
    {"Jokerxxxx1x", "xxxx1x", ""},
    {"Jokerxxxxx1", "xxxxx1", ""},
    {"Joker123456", "123456", ""},
    // chart buttons of the "Berechnung" pages
    {"SpeedButton26", "?", "Diagramm der Häufigkeit"},
    {"SpeedButton22", "?", "Diagramm der überfälligen Zahlen"},
    {"SpeedButton23", "?", "Diagramm der Paare"},
    {"SpeedButton24", "?", "Diagramm der Dreier"},
    {"SpeedButton25", "?", "Diagramm der Vierer"},
    {"SpeedButton17", "?", "Diagramm der Quersummen"},
    {"SpeedButton21", "?", "Diagramm der Paare"},
    {"SpeedButton27", "?", "Diagramm der Dreier"},
    {"SpeedButton28", "?", "Diagramm der Vierer"},
    {"SpeedButton29", "?", "Diagramm der Primzahlen pro Tipp"},
    {"SpeedButton32", "?", "Diagramm der ungeraden Zahlen pro Tipp"},
    {"SpeedButton31", "?", "Diagramm der geraden Zahlen pro Tipp"},
    {"Superselten", "?", "Diagramm der Häufigkeit der Pluszahlen"},
    {"SuperAus", "?", "Diagramm der überfälligen Pluszahlen"},
};

const char *const kStatistischLines[] = {
    "#Zahlen für die Tipps über Statistik bevorzugen",
    "Unter \"Allgemein\" können Sie festlegen, dass nur diese Zahlen für die Tippberechnung verwendet werden",
    "Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30% vom Maximum)",
    "CheckBox2|Edit85|%|SpeedButton26",
    "CheckBox14|Edit87|%|SpeedButton26",
    "CheckBox10|Edit86|%|SpeedButton22",
    "CheckBox1|CheckBox11|SpeedButton23",
    "CheckBox6|CheckBox12|SpeedButton24",
    "CheckBox7|CheckBox13|SpeedButton25",
    "CheckBox19",
    "",
    "Für höherer Quoten können verschiedene Zahlen  \"benachteiligt\" werden",
    "CheckBox29",
    "CheckBox30",
};

const char *const kScheinLines[] = {
    "#Optimierung der einzelnen Tipps miteinander im Schein ",
    "CheckBox3|Edit39",
    "CheckBox24|Edit88",
    "CheckBox27",
    "",
    "#Optimierung der einzelnen Tipps über die vergangenen Ziehungen",
    "CheckBox9|Edit42|Richtigen",
    "CheckBox34|Edit94|Richtigen in den letzten|Edit95|Ziehungen",
    "CheckBox28|Edit91|Richtigen in den letzten|Edit92|Ziehungen",
    "CheckBox4|Edit40",
    "CheckBox5|Edit41",
    "CheckBox23|Edit84",
    "CheckBox35",
};

const char *const kMathematischLines[] = {
    "#Diese Bedingungen werden in jeder Tippreihe berücksichtigt",
    "Durch das Begrenzen der Quersummer können Sie Tipps wie 1-2-3-4-5-6 oder 39-41-43-46-47-49",
    "Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer größer 130. (Datumstipper)",
    "Quersummen von|Edit37|bis|Edit38|im Tipp zulassen",
    "@CrossSumsText|SpeedButton17",
    "CheckBox22|Edit83|SpeedButton29",
    "CheckBox25|Edit89|SpeedButton31",
    "CheckBox26|Edit90|SpeedButton32",
    "",
    "@PairsText|SpeedButton21",
    "CheckBox8",
    "@TriplesText|SpeedButton27",
    "@QuadruplesText|SpeedButton28",
    "CheckBox18",
};

const char *const kGlueckszahlLines[] = {
    "#Möchten für Plus-Tipps abgeben, können Sie hier die Pluszahl mit erzeugen lassen",
    "CheckBox33",
    "RadioGroup1",
    "RadioGroup2",
};

const char kMoreRunsText[] = "Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren "
                             "Einstellungen nicht alle Reihen berechnet werden konnten. ";

// One page line per line.
// clang-format off
const char *const kAllgemeinLines[] = {
    "#Allgemeine Berechnungsoptionen",
    "CheckBox15",
    "CheckBox20",
    kMoreRunsText,
    "Max. Berechnungsläufe|Edit55|Tausend",
};
// clang-format on

const PageLayout kPages[] = {
    {"Statistisch", kStatistischLines},   {"Schein Optimierung", kScheinLines},
    {"Mathematisch", kMathematischLines}, {"Glückszahl", kGlueckszahlLines},
    {"Allgemein", kAllgemeinLines},
};

} // namespace

std::span<const CheckBoxEntry> checkBoxEntries() {
    return checks();
}
std::span<const SpinFieldEntry> spinFieldEntries() {
    return spins();
}
std::span<const ButtonEntry> buttonEntries() {
    return kButtons;
}
std::span<const PageLayout> berechnungPages() {
    return kPages;
}

const CheckBoxEntry *findCheckBox(const char *name) {
    for (const auto &entry : checks())
        if (std::strcmp(entry.name, name) == 0) return &entry;
    return nullptr;
}

const SpinFieldEntry *findSpinField(const char *edit) {
    for (const auto &entry : spins())
        if (std::strcmp(entry.edit, edit) == 0) return &entry;
    return nullptr;
}

const ButtonEntry *findButton(const char *name) {
    for (const auto &entry : kButtons)
        if (std::strcmp(entry.name, name) == 0) return &entry;
    return nullptr;
}

} // namespace quorix
