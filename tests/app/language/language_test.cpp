// The interface language: captions and hints from the base and translation files, the option
// items and messages, the language menu, and the translator template the window writes.
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QStringDecoder>
#include <QtTest>

#include <sys/stat.h>

#include "app/mainwindow/mainwindow.h"
#include "app/widgets/numberdialog.h"
#include "app/charts/statisticschart.h"
#include "app/charts/chartspanel.h"
#include "appfixture.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;

namespace {

const char *const kLanguageItems[] = {"Deutsch1",  "Englisch1",   "Franzsisch1",    "Spanisch1",
                                      "Trkisch1",  "Russisch1",   "Niederlndisch1", "Tschechisch1",
                                      "Polnisch1", "Italienisch1"};

QByteArray readBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

QByteArray crlfLines(const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// A base entry of the main window: control, caption, hint, character set.
QStringList entry(const QString &control, const QString &caption, const QString &hint = {},
                  const QString &window = u"LottoZahlen"_s, const QString &charset = u"1"_s) {
    return {window, control, caption, hint, charset};
}

QString textOf(LottoZahlen &window, const char *name) {
    QWidget *widget = window.control(QString::fromLatin1(name));
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) return button->text();
    if (auto *label = qobject_cast<QLabel *>(widget)) return label->text();
    if (auto *group = qobject_cast<QGroupBox *>(widget)) return group->title();
    return {};
}

QString hintOf(LottoZahlen &window, const char *name) {
    return window.control(QString::fromLatin1(name))->toolTip();
}

// The export of the window as it stands: the base file and the ".trans" template.
struct Exported {
    QByteArray base;
    QByteArray trans;
};

Exported exportWindow(LottoZahlen &window) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"export.txt"_s);
    window.setFileChooser([&](bool save, const QString &) { return save ? path : QString(); });
    window.language().exportTexts();
    window.setFileChooser({});
    return {readBytes(path), readBytes(path + u".trans"_s)};
}

// The lines of a UTF-16 LE file after its byte-order mark.
QStringList utf16Lines(const QByteArray &bytes) {
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    QStringList lines = text.split(u"\r\n"_s);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QStringList crlfSplit(const QByteArray &bytes) {
    QStringList lines = QString::fromUtf8(bytes).split(u"\r\n"_s);
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QStringList optionItems(LottoZahlen &window, const QString &group) {
    QStringList items;
    QWidget *box = window.control(group);
    for (int i = 0;; ++i) {
        auto *item = box->findChild<QRadioButton *>(group + u"Item"_s + QString::number(i));
        if (!item) break;
        items << item->text();
    }
    return items;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shippedBaseFileIsTheWindowsExport();
    void everyShippedLanguageIsComplete();
    void translationReplacesCaptionsAndHints();
    void withoutTranslationTheBaseTextsApply();
    void searchReachesElevenEntries_data();
    void searchReachesElevenEntries();
    void languageCommandsTickTheirItem();
    void indexOutsideTheLanguagesAppliesNothing();
    void messageTextsFollowTheLanguage();
    void exportReloadsAsBaseFile();
    void hostileFilesLoadWithoutHarm_data();
    void hostileFilesLoadWithoutHarm();
    void refusedLanguageFilesAreNamed_data();
    void refusedLanguageFilesAreNamed();
};

// The shipped base file must list the window's texts in the order the window enumerates them, or
// controls fall out of the search window. It is the window's own export of its design texts;
// QUORIX_WRITE_LAND=1 writes it anew (with the German translation and option item files).
void LanguageTest::shippedBaseFileIsTheWindowsExport() {
    TempHome home;
    LottoZahlen window;
    const Exported exported = exportWindow(window);
    QVERIFY(!exported.base.isEmpty());
    const QString land = QStringLiteral(QUORIX_DATA_DIR) + u"/land/"_s;
    if (qEnvironmentVariableIntValue("QUORIX_WRITE_LAND") == 1) {
        writeBytes(land + u"bezeichch.txt"_s, exported.base);
        writeBytes(land + u"bezeichch.txt.de"_s, crlfLines(utf16Lines(exported.trans)));
        for (int group = 1; group <= 3; ++group)
            writeBytes(land + u"Radio%1.txt.de"_s.arg(group),
                       crlfLines(optionItems(window, u"RadioGroup%1"_s.arg(group))));
    }
    QVERIFY2(exported.base == readBytes(land + u"bezeichch.txt"_s),
             "data/land/bezeichch.txt differs from the window's texts: regenerate it with "
             "QUORIX_WRITE_LAND=1 build/bin/app_language_test shippedBaseFileIsTheWindowsExport "
             "and hand the changed file to the translators");
    // The German translation has an entry for each base entry.
    QCOMPARE(crlfSplit(readBytes(land + u"bezeichch.txt.de"_s)).size() * 5,
             crlfSplit(exported.base).size() * 2);
}

namespace {

// Lines of a shipped file, CR LF or LF; nullopt when it is missing or not UTF-8.
std::optional<QStringList> shippedLines(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(file.readAll());
    if (decoder.hasError()) return std::nullopt;
    text.replace(u"\r\n"_s, u"\n"_s);
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

} // namespace

// Each language has every file, line for line with the German ones: a text where the German has
// one, none where it has none. The window then loads each with a complete message table.
void LanguageTest::everyShippedLanguageIsComplete() {
    const QString land = QStringLiteral(QUORIX_DATA_DIR) + u"/land/"_s;
    const QStringList files = {u"bezeichch.txt."_s, u"meldungen.txt."_s, u"Radio1.txt."_s, u"Radio2.txt."_s,
                               u"Radio3.txt."_s};
    for (int index = 0; index < 10; ++index) {
        const QString code = languageCode(index);
        for (const QString &file : files) {
            const auto german = shippedLines(land + file + u"de"_s);
            const auto lines = shippedLines(land + file + code);
            const QString what = file + code;
            QVERIFY2(german && lines, qPrintable(what + u" is missing or not UTF-8"_s));
            QVERIFY2(lines->size() == german->size(), qPrintable(what));
            for (qsizetype i = 0; i < lines->size(); ++i)
                QVERIFY2(lines->at(i).trimmed().isEmpty() == german->at(i).trimmed().isEmpty(),
                         qPrintable(what + u" line %1"_s.arg(i + 1)));
        }
    }
    TempHome home;
    PromptScript prompts;
    LottoZahlen window;
    window.show();
    for (int index = 0; index < 10; ++index) {
        QVERIFY(window.selectLanguage(index));
        QCOMPARE(window.messages().size(), kMessageCount);
        // A check box of fixed width still shows its whole caption.
        for (QCheckBox *box : window.findChildren<QCheckBox *>())
            if (box->property("designWidth").isValid())
                QVERIFY2(box->width() >= box->sizeHint().width(),
                         qPrintable(languageCode(index) + u" "_s + box->objectName()));
    }
    // Qt's own buttons follow the language, with Qt's spelling of the code.
    const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    window.selectLanguage(3);
    QCOMPARE(yes(), u"&S\u00ed"_s);
    window.selectLanguage(0);
    QCOMPARE(yes(), u"&Ja"_s);
}

namespace {

// A window after its start-up, in a program folder of its own with no draws.
struct StartedWindow {
    TempHome home;
    PromptScript prompts;
    LottoZahlen window;
    StartedWindow() {
        window.show();
        // Without a history the start-up says so once; nothing else is asked.
    }
    QString land(const QString &name) const { return QDir(home.path()).filePath(u"land/"_s + name); }
};

// A small base file of controls of every kind, in the order the window enumerates them.
QStringList fixtureBase() {
    return entry(u"LottoZahlen"_s, u"Fenster"_s) + entry(u"Berechnen1"_s, u"&Rechnen"_s, u"Tipps rechnen"_s) +
           entry(u"Label35"_s, u"keine Ziehung"_s) + entry(u"ResultHeading"_s, u"Treffer"_s) +
           entry(u"SpeedButton15"_s, u"Sichern"_s, u"Tipps sichern"_s) +
           entry(u"CheckBox2"_s, u"Oft gezogen"_s, u"Haeufige"_s) +
           entry(u"Edit85"_s, u"Prozent"_s, u"Prozent der Besten"_s) +
           entry(u"RadioGroup1"_s, u"Plus-Wahl"_s) + entry(u"TabSheet7"_s, u"Statistik"_s) +
           entry(u"UpdateGroup"_s, u"Daten"_s) + entry(u"TabSheet1"_s, u"Tipps"_s) +
           entry(u"BitBtn2"_s, u"Abbruch"_s, QString(), u"Zahlenwahl"_s);
}

QStringList fixtureTranslation() {
    return {u"Window"_s,      u""_s,
            u"&Compute"_s,    u"Compute tips"_s,
            u"no draw"_s,     u""_s,
            u"Hits"_s,        u""_s,
            u"Save"_s,        u"Save the tips"_s,
            u"Often drawn"_s, u"Frequent"_s,
            u"Percent"_s,     u"Percent of the best"_s,
            u"Plus choice"_s, u""_s,
            u"Statistics"_s,  u""_s,
            u"Data"_s,        u""_s,
            u"Tips"_s,        u""_s,
            u"Cancel"_s,      u""_s};
}

QString tabText(LottoZahlen &window, const char *sheet) {
    QWidget *page = window.control(QString::fromLatin1(sheet));
    auto *tabs = qobject_cast<QTabWidget *>(page->parentWidget()->parentWidget());
    return tabs->tabText(tabs->indexOf(page));
}

} // namespace

void LanguageTest::translationReplacesCaptionsAndHints() {
    StartedWindow s;
    LottoZahlen &w = s.window;
    QTemporaryDir dir;
    const QString base = dir.filePath(u"bezeichch.txt"_s);
    writeBytes(base, crlfLines(fixtureBase()));
    writeBytes(base + u".en"_s, crlfLines(fixtureTranslation()));
    w.language().loadTexts(base, u"en"_s);

    QCOMPARE(w.windowTitle(), u"Window"_s);
    QCOMPARE(w.action(u"Berechnen1"_s)->text(), u"&Compute"_s);
    QCOMPARE(w.action(u"Berechnen1"_s)->statusTip(), u"Compute tips"_s);
    QCOMPARE(textOf(w, "SpeedButton15"), u"Save"_s);
    QCOMPARE(hintOf(w, "SpeedButton15"), u"Save the tips"_s);
    QCOMPARE(textOf(w, "ResultHeading"), u"Hits"_s);
    QCOMPARE(textOf(w, "CheckBox2"), u"Often drawn"_s);
    QCOMPARE(hintOf(w, "CheckBox2"), u"Frequent"_s);
    // Of an edit field only the hint.
    QCOMPARE(hintOf(w, "Edit85"), u"Percent of the best"_s);
    QCOMPARE(textOf(w, "RadioGroup1"), u"Plus choice"_s);
    QCOMPARE(tabText(w, "TabSheet7"), u"Statistics"_s);
    QCOMPARE(textOf(w, "UpdateGroup"), u"Data"_s);
    QCOMPARE(tabText(w, "TabSheet1"), u"Tips"_s);
    QCOMPARE(w.charts().numberDialog().abortButton()->text(), u"Cancel"_s);
    // The draw line shows data: its tag keeps the files away from it.
    QCOMPARE(textOf(w, "Label35"), w.ui().drawLine->text());
    QVERIFY(textOf(w, "Label35") != u"no draw"_s);

    // The translated hint is what the status bar shows for the control under the mouse.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w.control(u"SpeedButton15"_s), &enter);
    QCOMPARE(w.statusPanel(1)->text(), u"Save the tips"_s);
}

void LanguageTest::withoutTranslationTheBaseTextsApply() {
    StartedWindow s;
    LottoZahlen &w = s.window;
    QTemporaryDir dir;
    const QString base = dir.filePath(u"bezeichch.txt"_s);
    writeBytes(base, crlfLines(fixtureBase()));
    w.language().loadTexts(base, u"sp"_s);
    QCOMPARE(w.windowTitle(), u"Fenster"_s);
    QCOMPARE(textOf(w, "SpeedButton15"), u"Sichern"_s);
    QCOMPARE(hintOf(w, "SpeedButton15"), u"Tipps sichern"_s);
    QCOMPARE(hintOf(w, "Edit85"), u"Prozent der Besten"_s);
    QCOMPARE(w.control<QCheckBox>(u"CheckBox2"_s)->text(), u"Oft gezogen"_s);

    // A missing base file changes nothing.
    w.language().loadTexts(dir.filePath(u"missing.txt"_s), u"sp"_s);
    QCOMPARE(textOf(w, "SpeedButton15"), u"Sichern"_s);
}

void LanguageTest::searchReachesElevenEntries_data() {
    QTest::addColumn<QStringList>("base");
    QTest::addColumn<bool>("saveTranslated");
    QTest::addColumn<bool>("clearTranslated");
    QStringList ghosts;
    for (int i = 0; i < 11; ++i)
        ghosts += entry(u"Ghost%1"_s.arg(i), u"x"_s);
    const QStringList save = entry(u"SpeedButton15"_s, u"Sichern"_s);
    const QStringList clear = entry(u"Loeschen"_s, u"Leeren"_s);
    // The search looks at the cursor's entry and ten more.
    QTest::newRow("ten unknown entries before") << ghosts.mid(0, 50) + save + clear << true << true;
    QTest::newRow("eleven unknown entries before") << ghosts + save + clear << false << false;
    // The button "Loeschen" is created after "SpeedButton15": listed before it, it is passed by.
    QTest::newRow("listed in another order") << clear + save << true << false;
}

void LanguageTest::searchReachesElevenEntries() {
    QFETCH(QStringList, base);
    QFETCH(bool, saveTranslated);
    QFETCH(bool, clearTranslated);
    TempHome home;
    LottoZahlen w;
    QTemporaryDir dir;
    writeBytes(dir.filePath(u"b.txt"_s), crlfLines(base));
    w.language().loadTexts(dir.filePath(u"b.txt"_s), u"de"_s);
    QCOMPARE(textOf(w, "SpeedButton15") == u"Sichern"_s, saveTranslated);
    QCOMPARE(textOf(w, "Loeschen") == u"Leeren"_s, clearTranslated);
}

void LanguageTest::languageCommandsTickTheirItem() {
    StartedWindow s;
    LottoZahlen &w = s.window;
    writeBytes(s.land(u"bezeichch.txt"_s), crlfLines(fixtureBase()));
    writeBytes(s.land(u"bezeichch.txt.it"_s), crlfLines(fixtureTranslation()));
    writeBytes(s.land(u"Radio1.txt.it"_s), crlfLines({u"a caso"_s, u"la più rara"_s}));
    writeBytes(s.land(u"meldungen.txt.it"_s), crlfLines({u"Numeri estratti"_s}));
    w.action(u"Italienisch1"_s)->trigger();
    QCOMPARE(w.languageIndex(), 9);
    for (const char *item : kLanguageItems)
        QCOMPARE(w.action(QString::fromLatin1(item))->isChecked(), std::string_view(item) == "Italienisch1");
    QCOMPARE(textOf(w, "SpeedButton15"), u"Save"_s);
    QCOMPARE(w.messages().text(0), u"Numeri estratti"_s);
    // The file's lines replace the items in order; the third keeps its text.
    const QStringList items = optionItems(w, u"RadioGroup1"_s);
    QCOMPARE(items.mid(0, 2), (QStringList{u"a caso"_s, u"la più rara"_s}));
    QCOMPARE(items.at(2), u"die am längsten ausstehende Pluszahl verwenden"_s);

    // Back to German with the shipped files: the texts of the design return.
    writeBytes(s.land(u"bezeichch.txt"_s),
               readBytes(QStringLiteral(QUORIX_DATA_DIR) + u"/land/bezeichch.txt"_s));
    QVERIFY(w.selectLanguage(0));
    QCOMPARE(textOf(w, "SpeedButton15"), u"Speichern"_s);
    QCOMPARE(optionItems(w, u"RadioGroup1"_s).at(0), u"einfach per Zufall bestimmen"_s);
    QVERIFY(w.action(u"Deutsch1"_s)->isChecked());
    QVERIFY(!w.action(u"Italienisch1"_s)->isChecked());
}

void LanguageTest::indexOutsideTheLanguagesAppliesNothing() {
    TempHome home;
    LottoZahlen w;
    const QString design = textOf(w, "SpeedButton15");
    QVERIFY(!w.selectLanguage(10));
    QVERIFY(!w.selectLanguage(-1));
    QCOMPARE(textOf(w, "SpeedButton15"), design);
    QCOMPARE(w.messages().size(), 0);
    for (const char *item : kLanguageItems)
        QVERIFY2(!w.action(QString::fromLatin1(item))->isChecked(), item);
}

// Texts the window builds from messages are built anew when the language changes.
void LanguageTest::messageTextsFollowTheLanguage() {
    StartedWindow s;
    LottoZahlen &w = s.window;
    w.charts().chart().show(NumberStatistics{});
    QCOMPARE(w.ui().jokerChart->chart()->title(),
             u"Beim Online-Tipp können Sie so eine Losnummer wählen noch nie gezogen wurde.<br>"
             "Mehr Optionen unter &quot;Berechnung=&gt;Allgemein&quot;"_s);
    QStringList english(kMessageCount);
    english[0] = u"Drawn numbers"_s;
    english[1] = u"Draws"_s;
    english[54] = u"Enter Replay number"_s;
    english[55] = u"Never drawn"_s;
    english[56] = u"More <options>"_s;
    writeBytes(s.land(u"meldungen.txt.en"_s), crlfLines(english));
    w.action(u"Englisch1"_s)->trigger();
    QCOMPARE(w.ui().replay->text(), u"Enter Replay number"_s);
    QVERIFY2(w.charts().chart().axisTitleText().startsWith(u"Drawn numbers"_s),
             qPrintable(w.charts().chart().axisTitleText()));
    QCOMPARE(w.ui().jokerChart->chart()->title(), u"Never drawn<br>More &lt;options&gt;"_s);
}

void LanguageTest::exportReloadsAsBaseFile() {
    StartedWindow s;
    LottoZahlen &w = s.window;
    w.control<QLabel>(u"ResultHeading"_s)->setText(u"Zeile eins\nZeile zwei"_s);
    const Exported exported = exportWindow(w);
    QVERIFY(exported.trans.startsWith("\xFF\xFE"));
    const QStringList baseLines = crlfSplit(exported.base);
    QCOMPARE(baseLines.size() % 5, 0);
    QCOMPARE(utf16Lines(exported.trans).size(), baseLines.size() / 5 * 2);
    // Every entry's caption and hint are those of the template, in the same order.
    const QStringList transLines = utf16Lines(exported.trans);
    for (qsizetype k = 0; k < baseLines.size() / 5; ++k) {
        QCOMPARE(transLines.at(2 * k), baseLines.at(5 * k + 2));
        QCOMPARE(transLines.at(2 * k + 1), baseLines.at(5 * k + 3));
    }

    // Loaded back as the base file, it puts the texts the window had when it was written.
    const QString before = textOf(w, "SpeedButton15");
    const QString hintBefore = hintOf(w, "Edit85");
    w.control<QAbstractButton>(u"SpeedButton15"_s)->setText(u"changed"_s);
    w.control(u"Edit85"_s)->setToolTip(u"changed"_s);
    w.control<QLabel>(u"ResultHeading"_s)->setText(u"changed"_s);
    QTemporaryDir dir;
    writeBytes(dir.filePath(u"b.txt"_s), exported.base);
    w.language().loadTexts(dir.filePath(u"b.txt"_s), u"xx"_s);
    QCOMPARE(textOf(w, "SpeedButton15"), before);
    QCOMPARE(hintOf(w, "Edit85"), hintBefore);
    // A line break would have shifted every later entry; it is written as a blank.
    QCOMPARE(textOf(w, "ResultHeading"), u"Zeile eins Zeile zwei"_s);

    // Cancelling the dialog writes nothing.
    w.setFileChooser([](bool, const QString &) { return QString(); });
    w.language().exportTexts();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

void LanguageTest::hostileFilesLoadWithoutHarm_data() {
    QTest::addColumn<QByteArray>("base");
    QTest::addColumn<QByteArray>("translation");
    QTest::addColumn<QString>("saveCaption"); // SpeedButton15 afterwards
    const QByteArray save = crlfLines(entry(u"SpeedButton15"_s, u"Sichern"_s));
    const QByteArray clear = crlfLines(entry(u"Loeschen"_s, u"Leeren"_s));
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(static_cast<char>((i * 7919) % 256));
    QTest::newRow("empty base file") << QByteArray() << QByteArray() << u"Speichern"_s;
    QTest::newRow("torn last entry") << save + "LottoZahlen\r\nLoeschen\r\n" << QByteArray() << u"Sichern"_s;
    QTest::newRow("binary junk") << junk << junk << u"Speichern"_s;
    QTest::newRow("huge line") << QByteArray(3'000'000, 'A') + "\r\n" + save << QByteArray()
                               << u"Speichern"_s;
    QTest::newRow("huge caption is cut")
        << crlfLines(entry(u"SpeedButton15"_s, QString(5000, u'B'))) << QByteArray() << QString(2000, u'B');
    QTest::newRow("character set no number")
        << crlfLines(entry(u"SpeedButton15"_s, u"Sichern"_s, {}, u"LottoZahlen"_s, u"abc"_s)) << QByteArray()
        << u"Sichern"_s;
    // The entry of "Loeschen" has no translation: it keeps its text; the button before is translated.
    QTest::newRow("short translation")
        << save + clear << crlfLines({u"Save"_s, u"hint"_s, u"Clear"_s}) << u"Save"_s;
    QTest::newRow("translation in UTF-16 with a torn byte")
        << save << QByteArray("\xFF\xFE", 2) + QByteArray("S\0a\0v\0e\0\r\0\n\0\0\xD8\r\0\n\0x", 19)
        << u"Save"_s;
    QTest::newRow("names with blanks around")
        << crlfLines(entry(u"  SpeedButton15\t"_s, u"Sichern"_s)) << QByteArray() << u"Sichern"_s;
}

void LanguageTest::hostileFilesLoadWithoutHarm() {
    QFETCH(QByteArray, base);
    QFETCH(QByteArray, translation);
    QFETCH(QString, saveCaption);
    TempHome home;
    LottoZahlen w;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"b.txt"_s);
    writeBytes(path, base);
    if (!translation.isEmpty()) writeBytes(path + u".en"_s, translation);
    w.language().loadTexts(path, u"en"_s);
    QCOMPARE(textOf(w, "SpeedButton15"), saveCaption);
    QCOMPARE(textOf(w, "Loeschen"), u"Löschen"_s);
}

enum class Planted { Fifo, Folder, DevZero, Oversize, Dangling };
Q_DECLARE_METATYPE(Planted)

void LanguageTest::refusedLanguageFilesAreNamed_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<Planted>("planted");
    // How the status bar names it: "english" (no messages at hand), "german" or "nothing".
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("limit");
    const std::pair<const char *, Planted> kinds[] = {{"FIFO", Planted::Fifo},
                                                      {"folder", Planted::Folder},
                                                      {"link to /dev/zero", Planted::DevZero},
                                                      {"one byte too many", Planted::Oversize},
                                                      {"dangling link", Planted::Dangling}};
    struct File {
        const char *name;
        const char *said;        // how a refusal is said
        const char *saidMissing; // how a missing file is said
        const char *limit;
    };
    // The messages come last: a refused base file leaves none, a refused message file too.
    const File files[] = {{"meldungen.txt.de", "english", "english", "1 MiB"},
                          {"bezeichch.txt", "english", "english", "4 MiB"},
                          {"bezeichch.txt.de", "german", "nothing", "4 MiB"},
                          {"Radio1.txt.de", "german", "nothing", "1 MiB"}};
    for (const File &f : files)
        for (const auto &[what, planted] : kinds)
            QTest::addRow("%s %s", f.name, what)
                << QString::fromLatin1(f.name) << planted
                << QString::fromLatin1(planted == Planted::Dangling ? f.saidMissing : f.said)
                << QString::fromLatin1(f.limit);
}

// A FIFO, a device or a file of gigabytes in land/ is refused at once: the window comes up and
// the status bar names the file and why, in the language where its messages are at hand.
void LanguageTest::refusedLanguageFilesAreNamed() {
    QFETCH(QString, file);
    QFETCH(Planted, planted);
    QFETCH(QString, said);
    QFETCH(QString, limit);
    TempHome home;
    PromptScript prompts;
    home.writeDraws({makeDraw("2024-03-02", {1, 9, 14, 22, 30, 41})});
    const QString path = QDir(home.path()).filePath(u"land/"_s + file);
    QVERIFY(QFile::remove(path));
    const QByteArray local = QFile::encodeName(path);
    switch (planted) {
    case Planted::Fifo:
        QCOMPARE(::mkfifo(local.constData(), 0600), 0);
        break;
    case Planted::Folder:
        QVERIFY(QDir().mkdir(path));
        break;
    case Planted::DevZero:
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
        break;
    case Planted::Oversize: {
        const qint64 bytes = (limit == u"1 MiB"_s ? qint64{1} << 20 : qint64{4} << 20) + 1;
        writeBytes(path, QByteArray(bytes, '\n'));
        break;
    }
    case Planted::Dangling:
        QVERIFY(QFile::link(path + u".nowhere"_s, path));
        break;
    }

    LottoZahlen window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString shown = QDir::toNativeSeparators(path);
    QString expected;
    if (said == u"english") {
        expected = shown + (planted == Planted::Dangling   ? u": missing"_s
                            : planted == Planted::Oversize ? u": larger than "_s + limit
                                                           : u": not a regular file"_s);
    } else if (said == u"german") {
        expected = planted == Planted::Oversize ? window.message(Msg::FileTooLarge).arg(shown, limit)
                                                : window.message(Msg::NotARegularFile).arg(shown);
        QVERIFY(expected.contains(u"wird nicht gelesen"_s));
    }
    QCOMPARE(window.statusPanel(1)->text(), expected);
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
