#pragma once

namespace quorix {

// The numbered texts of the language's message file: line n is message n. The program holds no
// message text of its own; these names say what each line is used for.
enum class Msg : int {
    DrawnNumbersTitle = 0,        // "Verteilung der gezogenen Zahlen"
    Draws = 1,                    // "Ziehungen"
    AverageCrossSum = 2,          // "Durchschnittliche Quersumme"
    LuckyFrequencyTitle = 3,      // "Häufigkeit der Pluszahlen"
    SearchTitle = 4,              // "Suche in der Datenbank"
    SearchHitsQuestion = 5,       // "Ab wie vielen Richtigen soll die Suche anhalten?"
    HitsInDrawOf = 6,             // "Treffer in der Ziehung vom"
    SearchOn = 7,                 // "Weiter suchen?"
    HitsFound = 8,                // "Treffer gefunden"
    PairsTitle = 9,               // "Paare"
    Total = 10,                   // "gesamt"
    TriplesTitle = 11,            // "Dreier"
    ReplayCaption = 12,           // "Losnummer": label of the user's Replay and Joker number
    CrossSumsTitle = 13,          // "Verteilung der Quersummen"
    AverageCrossSumAxis = 14,     // "Durchschnittliche Quersumme"
    QuadruplesTitle = 15,         // "Vierer"
    Stop = 16,                    // "Stopp": the compute button during a run
    StatisticRunning = 17,        // "Statistik wird berechnet:"
    PoolPairs = 18,               // "Paare"
    PoolTriples = 19,             // "Dreier"
    PoolQuadruples = 20,          // "Vierer"
    PoolOutstanding = 21,         // "Ausstehende Zahlen"
    PoolNeighbours = 22,          // "Benachbarte Zahlen der letzten Ziehung"
    TipsComputing = 23,           // "Tipps werden berechnet ..."
    TipWord = 24,                 // "Tipp": the word that labels a tip row
    NotAllTipsComputed = 25,      // "Nicht alle Tipps konnten berechnet werden. ..."
    ComputationDone = 26,         // "Berechnung beendet"
    PleaseWait = 27,              // "Bitte warten ..."
    OutstandingTitle = 28,        // "Wie viele Ziehungen sind die Zahlen schon ausstehend"
    TipDistributionTitle = 29,    // "Verteilung der Zahlen in Ihren Tipps"
    SeedPrompt = 30,              // "Startwert für den Zufallsgenerator"
    SeedCaption = 31,             // "Startwert:"
    SeedSet = 32,                 // "Zufallsgenerator gesetzt auf"
    ParameterAnalysisTitle = 33,  // "Historische Analyse der Parameter"
    AnalysisFailed = 34,          // "Die Analyse konnte nicht ausgeführt werden."
    AnalysisRunning = 35,         // "Analyse läuft ..."
    NumberListTitle = 36,         // "Welche Zahlen für die Berechnung"
    TheNumber = 37,               // "Die Zahl"
    LuckyOutstandingTitle = 38,   // "Wie viele Ziehungen sind die Pluszahlen schon ausstehend"
    RepeatThresholdQuestion = 39, // "Ab wie vielen gleichen Zahlen soll angehalten werden?"
    SameAsEarlier = 40,           // "Gleiche Zahlen mit allen früheren Ziehungen"
    SameAsNext1 = 41,             // "Gleiche Zahlen mit der nächsten Ziehung"
    SameAsNext2 = 42,             // "Gleiche Zahlen mit der übernächsten Ziehung"
    SameAsNext3 = 43,             // "Gleiche Zahlen mit der drittnächsten Ziehung"
    PrimesPerDrawTitle = 44,      // "Primzahlen pro Ziehung in"
    PrimesShare = 45,             // "der gezogenen Zahlen sind Primzahlen"
    OddPerDrawTitle = 46,         // "Ungerade Zahlen pro Ziehung in"
    OddShare = 47,                // "der gezogenen Zahlen sind ungerade"
    EvenPerDrawTitle = 48,        // "Gerade Zahlen pro Ziehung in"
    EvenShare = 49,               // "der gezogenen Zahlen sind gerade"
    ClearTipsQuestion = 50,       // "Wollen Sie wirklich alle nicht gesperrten Tipps löschen?"
    ClearTipsCaption = 51,        // "Tipps löschen"
    DrawWord = 52,                // "Ziehung"
    DateWord = 53,                // "Datum"
    EnterReplay = 54,             // "Replay- und Losnummer eingeben": shown while no Replay number is stored
    JokerChartHint = 55, // "Beim Online-Tipp können Sie so eine Losnummer wählen noch nie gezogen wurde."
    JokerChartMoreOptions = 56, // "Mehr Optionen unter \"Berechnung=>Allgemein\""
    ProxyPortNotNumber = 57,    // "Der Proxy-Port ist keine Zahl:", then the port's text
    ServerTimeout = 58,         // "Der Zahlen-Server hat nicht rechtzeitig geantwortet:", then the address
    JokerNotDigit = 59,         // "Jedes Joker-Feld braucht eine Ziffer von 0 bis 9. ..."
    CsvImportTitle = 60,        // "CSV-Import"
    CsvAdded = 61,              // "Neue Ziehungen"
    CsvReplaced = 62,           // "Ersetzte Ziehungen"
    CsvUnchanged = 63,          // "Unveränderte Ziehungen"
    CsvRejected = 64,           // "Abgelehnte Zeilen"
    CsvLine = 65,               // "Zeile"
    CsvMoreRejected = 66,       // "Weitere abgelehnte Zeilen"
    CsvImportQuestion = 67,     // "Sollen die Ziehungen jetzt in die Datenbank übernommen werden?"
    CsvNothingToImport = 68,    // "Die Datei enthält keine gültige Ziehung. ..."
    DeleteDrawQuestion = 69,    // "Soll diese Ziehung wirklich aus der Datenbank gelöscht werden?"
    SaveTicketPdf = 70,         // "Als PDF speichern": the print preview's action
    TicketRowNotFromFirstField = 71, // "Das erste Zahlenfeld ist leer, ...": a row the ticket cannot take
    ChanceTitle = 72,                // "Was Zufallstipps im Mittel erreicht hätten (gleiche Anzahl Reihen):"
    AnalysisStopped = 73,            // "Vorzeitig angehalten nach der Ziehung vom", then the date
    // "Sorvanis Klickwerk installieren?" and its caption "Klickwerk jetzt installieren?"
    KlickwerkInstallQuestion = 74,
    KlickwerkInstallCaption = 75,
    // "Der Aufruf des Klickwerks ist zu lang ...": its path or command line over 1023 characters
    KlickwerkCommandTooLong = 76,
    ServerAnswerTooLarge =
        77, // "Die Antwort des Zahlen-Servers ist grösser als 64 KiB ...:", then the address
    ServerRedirectNotFollowed = 78, // "Der Zahlen-Server leitet weiter; ...:", then where to
    ServerAnswerRefused = 79, // "Die Antwort des Zahlen-Servers wurde nicht übernommen, ...:", then why
    // "%1 ist grösser als %2 und wird nicht gelesen.": a file beyond its reader's limit; %1 the
    // file, %2 the limit ("1 MiB")
    FileTooLarge = 80,
    // "%1 ist keine gewöhnliche Datei ... und wird nicht gelesen.": a folder, device or FIFO
    // where a file was expected; %1 the file
    NotARegularFile = 81,
    // "Die Einstellungen konnten nicht gespeichert werden: %1", %1 the system's reason
    SettingsNotSaved = 82,
    // "noch nicht da!": the update's status after the date whose draw the server has not yet
    DrawNotThereYet = 83,
    // "Tipps &berechnen": the compute button outside a run (the "&" marks its shortcut)
    ComputeTips = 84,
    // Errors: ErrorKind rendered in the language (app/language/errortext.*); %n as in each line's comment.
    ErrorCannotOpen = 85,    // "%1 cannot be opened: %2."
    ErrorCannotRead = 86,    // "%1 cannot be read: %2."
    ErrorCannotCreate = 87,  // "%1 cannot be created: %2."
    ErrorCannotWrite = 88,   // "%1 cannot be written: %2. It stays as it was."
    ErrorCannotReplace = 89, // "%1 cannot be replaced by its new version: %2. It stays as it was."
    ErrorCannotLock = 90,    // "%1 cannot be locked for writing (lock file %2): %3."
    ErrorLockInTheWay = 91,  // "%1 cannot be locked for writing: %2 is no lock file but a link, a folder or a
                             // special file. Remove it to let the draw file be written."
    ErrorDrawFileBusy = 92,  // "%1 is being written by another program. Try again when it has finished."
    ErrorNotADrawFile = 93,  // "%1 does not look like a draw file (%2); it is left as it is."
    ErrorDrawFileSizeOdd = 94,   // "its size of %1 bytes is not a whole number of %2-byte records"
    ErrorDrawRecordUndated = 95, // "record %1 has no date between 1970 and a year from today"
    ErrorDrawRecordEarlier = 96, // "record %1 is dated before the record in front of it"
    ErrorCsvNoHeader = 97,       // "Line 1 is not the header %1."
    ErrorCsvEmpty = 98,          // "The file is empty; the header %1 was expected."
    ErrorCsvBadLine = 99,        // "%1, line %2: %3"
    ErrorCsvLineTooLong = 100,   // "the line is longer than %1 bytes"
    ErrorCsvFieldCount = 101,    // "%1 fields expected, %2 found"
    ErrorCsvBadDate = 102,       // "the date is no real date (YYYY-MM-DD): %1"
    ErrorCsvBadNumber = 103,     // "field %1 must be a number from %2 to %3: %4"
    ErrorCsvBadJoker = 104,      // "the Joker must be six digits or empty: %1"
    ErrorNumberTwice = 105,      // "number %1 occurs twice"
    ErrorNotWholeNumber = 106,   // "%1" in row %2 is not a whole number.
    ErrorNotANumber = 107,       // "%1" is not a valid whole number.
    ErrorCrossSumCrossed = 108, // "The cross-sum minimum %1 is above the maximum %2: no tip can be computed."
    ErrorNoDraws = 109,         // "The draw history holds no draw."
    ErrorNoScriptChosen = 110,  // "No click script is chosen."
    ErrorScriptLineEnd =
        109, // "The text for %1 holds a line end, which no line of the script can take. Nothing was started."
    ErrorScriptTooLarge =
        110, // "The filled script would be larger than %1 MiB (line %2). Nothing was started."
    ErrorScriptUnencodable = 113, // "Line %1 of the filled script holds the character %2, which Windows-1252
                                  // cannot hold. Nothing was started."
    ErrorServerRequestFailed = 114, // "The request to the number server failed: %1"
    // The operating system's reason of a file error, for the common cases.
    ReasonNoSuchFile = 115,   // "no such file or folder"
    ReasonAccessDenied = 116, // "access denied"
    ReasonDiskFull = 117,     // "the disk is full"
    ReasonReadOnly = 118,     // "the drive is read-only"
    ReasonIsFolder = 119,     // "it is a folder"
    ReasonNotFolder = 120,    // "a part of the path is not a folder"
    ReasonDeviceError = 121,  // "the device reported an error"
};

// A complete message file has a line for every message above.
inline constexpr int kMessageCount = 122;

constexpr int messageIndex(Msg message) {
    return static_cast<int>(message);
}

} // namespace quorix
