#include "app/controltables.h"

#include <cstring>

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

const char kPercentHint[] = "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen";
const char kPreviousDrawHint[] = "Übereinstimmung mit Zahlen aus vorhergehender Ziehung";
const char kHistoryHint[] = "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  "
                            "aus deer Diagrammübersicht";
const char kHitsHint[] = "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen";
const char kDrawsHint[] = "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen";

const CheckBoxEntry kChecks[] = {
    // "Statistisch"
    {"CheckBox2", "Zahlen die besonders oft gezogen wurden bevorzugen", false, ""},
    {"CheckBox14", "Zahlen die besonders selten gezogen wurden bevorzugen", true, ""},
    {"CheckBox10", "Zahlen die am längsten überfällig sind", true, ""},
    {"CheckBox1", "Zahlen mit einer häufigen Paarebildung bevorzugen", false, ""},
    {"CheckBox11", "seltensten", false, ""},
    {"CheckBox6", "Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen", false, ""},
    {"CheckBox12", "seltensten", false, ""},
    {"CheckBox7", "Zahlen mit einer häufigen Viergruppenbildung bevorzugen", false, ""},
    {"CheckBox13", "seltensten", false, ""},
    {"CheckBox19", "benachbarte Zahlen der letzten Ziehung bevorzugen", false, ""},
    {"CheckBox29", "vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) ", false, ""},
    {"CheckBox30", "Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  seltener im Tipp enthalten", false,
     ""},
    // "Schein Optimierung"
    {"CheckBox3", "maximale Übereinstimmungen mit anderen Tipps", true, ""},
    {"CheckBox24", "minimale Übereinstimmungen mit anderen Tipps", true, ""},
    {"CheckBox27", "Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden", false, ""},
    {"CheckBox9", "Tipp enspricht noch keiner Ziehung der Datenbank nit ", true, kHistoryHint},
    {"CheckBox34", "Tipp ergibt keine ", true, kHistoryHint},
    {"CheckBox28", "Tipp ergibt keine", true, kHistoryHint},
    {"CheckBox4", "maximal zugelassene Anzahl von Zahlen der letzten Ziehung ", true, kPreviousDrawHint},
    {"CheckBox5", "maximal zugelassene Anzahl von Zahlen der vorletzten Ziehung ", true, kPreviousDrawHint},
    // It limits the numbers of the third-last draw; its caption says so rather than repeating
    // CheckBox4's.
    {"CheckBox23", "maximal zugelassene Anzahl von Zahlen der drittletzten Ziehung ", true, kPreviousDrawHint},
    {"CheckBox35", "Zusatzzahl in die Berechnung der Richtigen mit einbeziehen ", true, ""},
    // "Mathematisch"
    {"CheckBox22", "mindest Anzahl von Primzahlen in jedem Tipp", false, ""},
    {"CheckBox25", "mindest Anzahl von geraden Zahlen in jedem Tipp", false, ""},
    {"CheckBox26", "mindest Anzahl ungeraden Zahlen in jedem Tipp", false, ""},
    {"CheckBox8", "eine Paarbildung pro Tipp erzwingen", false, ""},
    {"CheckBox18", "keine Dreier , Vierer... Paare", true, ""},
    // "Glückszahl"
    {"CheckBox33", "Pluszahlen bei Berechnung mit erzeugen", true,
     "Bei Zufall und selten gezogenen Zahlen werden die letzt x darf keine Superzahl aus den letzten x "
     "Ziehungen verwendet werden"},
    // "Allgemein"
    {"CheckBox15", "für den Tipp nur bevorzugte Zahlen verwenden!", false, ""},
    {"CheckBox20", "Liste für Zahlenreihengenerierung anzeigen / bearbeiten", false, ""},
    // "Lottotipp"
    {"CheckBox16", "Samstag Ziehungen", true, ""},
    {"CheckBox17", "Mittwoch Ziehungen", true, ""},
    // "Datenbank"
    {"CheckBox31", "Neuberechnung  nur wenn ein 3er erzielt wurde", false, ""},
    // Stored with the others; no visible place in the window.
    {"CheckBox32", "", false, ""},
};

const SpinFieldEntry kSpins[] = {
    {"UpDown1", "Edit37", 50, 21, 279, 1, ""},
    {"UpDown2", "Edit38", 250, 21, 279, 1, ""},
    {"UpDown3", "Edit39", 2, 0, 5, 1, ""},
    {"UpDown4", "Edit40", 0, 0, 5, 1, ""},
    {"UpDown5", "Edit41", 1, 0, 5, 1, ""},
    {"UpDown6", "Edit42", 5, 4, 6, 1,
     "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden"},
    {"UpDown7", "Edit55", 50, 1, 30000, 1, ""},
    {"UpDown8", "Edit80", 14, 2, 14, 2, ""},
    {"UpDown9", "Edit88", 0, 0, 5, 1, ""},
    {"UpDown10", "Edit83", 2, 0, 6, 1, ""},
    {"UpDown11", "Edit84", 2, 0, 5, 1, ""},
    {"UpDown12", "Edit85", 30, 5, 75, 1, kPercentHint},
    {"UpDown13", "Edit86", 30, 5, 75, 1, kPercentHint},
    {"UpDown14", "Edit87", 20, 5, 75, 1, kPercentHint},
    {"UpDown15", "Edit89", 2, 0, 6, 1, ""},
    {"UpDown16", "Edit90", 2, 0, 6, 1, ""},
    {"UpDown17", "Edit91", 3, 2, 6, 1, kHitsHint},
    {"UpDown18", "Edit92", 10, 4, 500, 1, kDrawsHint},
    {"UpDown20", "Edit94", 4, 2, 6, 1, kHitsHint},
    {"UpDown21", "Edit95", 100, 4, 500, 1, kDrawsHint},
};

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

const char *const kAllgemeinLines[] = {
    "#Allgemeine Berechnungsoptionen",
    "CheckBox15",
    "CheckBox20",
    "Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren Einstellungen nicht alle Reihen "
    "berechnet werden konnten. ",
    "Max. Berechnungsläufe|Edit55|Tausend",
};

const PageLayout kPages[] = {
    {"Statistisch", kStatistischLines},   {"Schein Optimierung", kScheinLines},
    {"Mathematisch", kMathematischLines}, {"Glückszahl", kGlueckszahlLines},
    {"Allgemein", kAllgemeinLines},
};

} // namespace

std::span<const CheckBoxEntry> checkBoxEntries() {
    return kChecks;
}
std::span<const SpinFieldEntry> spinFieldEntries() {
    return kSpins;
}
std::span<const ButtonEntry> buttonEntries() {
    return kButtons;
}
std::span<const PageLayout> berechnungPages() {
    return kPages;
}

const CheckBoxEntry *findCheckBox(const char *name) {
    for (const auto &entry : kChecks)
        if (std::strcmp(entry.name, name) == 0) return &entry;
    return nullptr;
}

const SpinFieldEntry *findSpinField(const char *edit) {
    for (const auto &entry : kSpins)
        if (std::strcmp(entry.edit, edit) == 0) return &entry;
    return nullptr;
}

const ButtonEntry *findButton(const char *name) {
    for (const auto &entry : kButtons)
        if (std::strcmp(entry.name, name) == 0) return &entry;
    return nullptr;
}

} // namespace quorix
