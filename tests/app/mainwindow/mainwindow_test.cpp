// The main window's frame: named controls, pages, menu, status bar hints, scaling, first start.
#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

#include "app/mainwindow/controlnames.h"
#include "app/mainwindow/controltables.h"
#include "app/widgets/elidedlabel.h"
#include "app/mainwindow/mainwindow.h"
#include "appfixture.h"
#include "core/history/drawfile.h"
#include "core/compute/tipparameters.h"

using namespace quorix;
using namespace quorix::testing;

// Stands in for the desktop's browser: records the addresses it is asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyNamedControlExists();
    void typedControlsCarryTheirNames();
    void computationControlsMatchTheParameters();
    void pagesAndMenuInOrder();
    void firstStartWithoutDrawFile();
    void incompleteMessageFileIsReported();
    void tornDrawFileIsReported();
    void hintsGoToPanelOne();
    void heightChangesScaleTheTabArea();
    void everyOperationIsEnabled();
    void firstStartAsksOverTheShownWindow();
    void longHintsAreElided();
    void resultColumnsHaveHeadings();
    void webLinksOpenInTheBrowser();
    void typingAWholeDate_data();
    void typingAWholeDate();
};

void MainWindowTest::everyNamedControlExists() {
    TempHome home;
    LottoZahlen window;
    for (const TipRowControls &row : kTipRows) {
        for (int edit : row.edits)
            QVERIFY2(window.control<QLineEdit>(QStringLiteral("Edit%1").arg(edit)),
                     qPrintable(QString::number(edit)));
        QVERIFY(window.control<QComboBox>(QString::fromLatin1(row.lucky)));
        for (const char *label : {row.caption, row.crossSum, row.result})
            QVERIFY2(window.control<QLabel>(QString::fromLatin1(label)), label);
        QVERIFY(window.control<QToolButton>(QString::fromLatin1(row.editButton)));
    }
    for (const SpinFieldEntry &spin : spinFieldEntries()) {
        auto *box = window.control<QSpinBox>(QString::fromLatin1(spin.edit));
        QVERIFY2(box, spin.edit);
        QCOMPARE(window.control(QString::fromLatin1(spin.upDown)), box);
        QCOMPARE(box->value(), spin.value);
        QCOMPARE(box->minimum(), spin.minimum);
        QCOMPARE(box->maximum(), spin.maximum);
    }
    for (const CheckBoxEntry &check : checkBoxEntries()) {
        auto *box = window.control<QCheckBox>(QString::fromLatin1(check.name));
        QVERIFY2(box, check.name);
        QCOMPARE(box->isChecked(), check.ticked);
    }
    for (const ButtonEntry &button : buttonEntries())
        QVERIFY2(window.control<QAbstractButton>(QString::fromLatin1(button.name)), button.name);
    for (const char *name : {"Chart1", "Chart2"})
        QVERIFY(window.control<QChartView>(QString::fromLatin1(name)));
    for (const char *name : {"Label29", "Label35", "Label13", "Label77", "Losnummer"})
        QVERIFY2(window.control<QLabel>(QString::fromLatin1(name)), name);
    QCOMPARE(window.control<QSpinBox>(QStringLiteral("UpDown8"))->singleStep(), 2);
    QCOMPARE(window.control<QDateEdit>(QStringLiteral("DateTimePicker2"))->minimumDate(), QDate(1990, 3, 17));
    QVERIFY(window.control<QDateEdit>(QStringLiteral("DateTimePicker1")));
}

void MainWindowTest::typedControlsCarryTheirNames() {
    TempHome home;
    LottoZahlen window;
    const LottoZahlen::Controls &ui = window.ui();
    namespace n = controlname;
    const std::pair<QWidget *, const char *> typed[] = {
        {ui.drawLine, n::kDrawLine},
        {ui.sheetDrawLine, n::kSheetDrawLine},
        {ui.jokerLine, n::kJokerLine},
        {ui.crossSum, n::kCrossSum},
        {ui.replay, n::kReplay},
        {ui.saturday, n::kSaturday},
        {ui.wednesday, n::kWednesday},
        {ui.startDate, n::kStartDate},
        {ui.endDate, n::kEndDate},
        {ui.tipCount, n::kTipCount},
        {ui.compute, n::kCompute},
        {ui.seed, n::kSeed},
        {ui.distribution, n::kDistribution},
        {ui.minEven, n::kMinEven},
        {ui.minOdd, n::kMinOdd},
        {ui.maxShared, n::kMaxShared},
        {ui.minShared, n::kMinShared},
        {ui.statisticsChart, n::kStatisticsChart},
        {ui.jokerChart, n::kJokerChart},
        {ui.proxyHost, n::kProxyHost},
        {ui.proxyPort, n::kProxyPort},
        {ui.server, n::kServer},
        {ui.update, n::kUpdate},
        {ui.sheetUpdate, n::kSheetUpdate},
        {ui.stopUpdate, n::kStopUpdate},
        {ui.parameterAnalysis, n::kParameterAnalysis},
        {ui.recomputeAfterWin, n::kRecomputeAfterWin},
    };
    for (const auto &[widget, name] : typed) {
        QVERIFY2(widget, name);
        QCOMPARE(widget->objectName(), QString::fromLatin1(name));
        QCOMPARE(window.control(QString::fromLatin1(name)), widget);
    }

    // The registry in creation order holds every name, a name given twice twice.
    const auto &named = window.namedControls();
    QCOMPARE(named.front().name, QString::fromLatin1(n::kPages));
    int frequencyButtons = 0;
    for (const LottoZahlen::NamedControl &control : named) {
        QVERIFY2(window.control(control.name), qPrintable(control.name));
        frequencyButtons += control.name == QStringLiteral("SpeedButton26") ? 1 : 0;
    }
    QCOMPARE(frequencyButtons, 2);
    QVERIFY(named.size() > std::size_t(window.findChildren<QLineEdit *>().size()));

    // The draw lines show data, so the language files must leave them alone.
    for (QWidget *line : {static_cast<QWidget *>(ui.drawLine), static_cast<QWidget *>(ui.sheetDrawLine),
                          static_cast<QWidget *>(ui.jokerLine)})
        QCOMPARE(line->property("Tag").toInt(), 8);
}

void MainWindowTest::computationControlsMatchTheParameters() {
    TempHome home;
    LottoZahlen window;
    const TipParameters defaults;
    for (const TipParameterInfo &info : tipParameterTable()) {
        const QString name =
            QString::fromStdString(std::string(info.control.empty() ? info.spinner : info.control));
        QWidget *widget = window.control(name);
        QVERIFY2(widget, qPrintable(name));
        const QString hint = QString::fromUtf8(info.hint.data(), qsizetype(info.hint.size()));
        if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            QCOMPARE(spin->minimum(), info.minimum);
            QCOMPARE(spin->maximum(), info.maximum);
            QCOMPARE(spin->singleStep(), info.step);
            QCOMPARE(spin->toolTip(), hint);
            if (!info.spinner.empty())
                QCOMPARE(window.control(QString::fromStdString(std::string(info.spinner))), widget);
        }
        if (auto *box = qobject_cast<QCheckBox *>(widget)) {
            QCOMPARE(box->text(), QString::fromUtf8(info.caption.data(), qsizetype(info.caption.size())));
            QCOMPARE(box->toolTip(), hint);
        }
    }
    QCOMPARE(window.tipParameters(), defaults);

    // Every value goes into its control and comes back.
    TipParameters changed;
    changed.preferFrequent = true;
    changed.rarePercent = 55;
    changed.limitLastDraw = false;
    changed.longDraws = 321;
    changed.luckyOption = 2;
    changed.jokerOption = 0;
    changed.maxRunsThousands = 1234;
    changed.tipCount = 6;
    window.setTipParameters(changed);
    QCOMPARE(window.tipParameters(), changed);
    QCOMPARE(window.control<QSpinBox>(QStringLiteral("UpDown21"))->value(), 321);
    QCOMPARE(window.tipCount(), 6);
}

void MainWindowTest::pagesAndMenuInOrder() {
    TempHome home;
    PromptScript prompts;
    LottoZahlen window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Sorvanis Quintora  6 aus 42 Swiss"));
    QTabWidget *pages = window.pages();
    const QStringList tabs{QStringLiteral("Lottotipp"), QStringLiteral("Berechnung"),
                           QStringLiteral("Diagramm"),  QStringLiteral("Datenbank"),
                           QStringLiteral("Joker"),     QStringLiteral("Internet-Optionen")};
    QCOMPARE(pages->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i)
        QCOMPARE(pages->tabText(i), tabs.at(i));
    QCOMPARE(pages->currentIndex(), 0);
    auto *calc = window.control<QTabWidget>(QStringLiteral("PageControl2"));
    const QStringList calcTabs{QStringLiteral("Statistisch"), QStringLiteral("Schein Optimierung"),
                               QStringLiteral("Mathematisch"), QString::fromUtf8("Glückszahl"),
                               QStringLiteral("Allgemein")};
    for (int i = 0; i < calcTabs.size(); ++i)
        QCOMPARE(calc->tabText(i), calcTabs.at(i));
    QCOMPARE(calc->currentIndex(), 0);

    const std::pair<const char *, const char *> shortcuts[] = {
        {"Aktualisieren1", "Ctrl+A"}, {"Berechnen1", "Ctrl+R"}, {"Abgeben1", "Ctrl+G"}};
    for (const auto &[name, keys] : shortcuts)
        QCOMPARE(window.action(QString::fromLatin1(name))->shortcut(),
                 QKeySequence(QString::fromLatin1(keys)));
    window.action(QStringLiteral("Abgeben1"))->trigger(); // does nothing, must not fail

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.action(QStringLiteral("Schlieen1"))->trigger();
    QVERIFY(!window.isVisible());
}

void MainWindowTest::firstStartWithoutDrawFile() {
    TempHome home;
    PromptScript prompts;
    LottoZahlen window;
    // The end date starts at today; a fixed one, so the test passes across midnight too.
    window.setToday([] { return serialFromYmd(2025, 6, 4); });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(prompts.asked().size(), std::size_t{1});
    QCOMPARE(prompts.asked().front().text, QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
    const DrawFile file = window.drawFile();
    QVERIFY(file.exists());
    QCOMPARE(std::filesystem::file_size(file.path()), std::uintmax_t{0});
    QCOMPARE(window.control<QDateEdit>(QStringLiteral("DateTimePicker2"))->date(), QDate(2013, 1, 7));
    QCOMPARE(window.control<QDateEdit>(QStringLiteral("DateTimePicker1"))->date(), QDate(2025, 6, 4));
    QCOMPARE(window.control<QLabel>(QStringLiteral("Losnummer"))->text(), window.message(Msg::EnterReplay));
    QVERIFY(!window.message(Msg::EnterReplay).isEmpty());
    QCOMPARE(window.message(Msg::TipWord), QStringLiteral("Tipp"));
    QVERIFY(window.sheet().checkEnabled());
    QCOMPARE(window.tipParameters().maxRunsThousands, 50); // 50,000 attempts at most
    QVERIFY(window.statusPanel(1)->text().isEmpty());      // the message file is complete
    // The process reads and writes numbers as "1.234,50" whatever the user's locale.
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    QCOMPARE(QLocale().groupSeparator(), QStringLiteral("."));
    QCOMPARE(QLocale().toString(1234.5, 'f', 2), QStringLiteral("1.234,50"));
}

void MainWindowTest::incompleteMessageFileIsReported() {
    struct Case {
        const char *what;
        int lines; // -1: no file
        const char *report;
    };
    const Case cases[] = {{"a folder in its place", -1, ": not a regular file"},
                          {"empty", 0, ": 0 of %1 lines"},
                          {"short", 3, ": 3 of %1 lines"}};
    for (const Case &c : cases) {
        TempHome home;
        PromptScript prompts;
        home.writeDraws({makeDraw("2024-03-02", {1, 9, 14, 22, 30, 41})});
        if (c.lines < 0)
            home.removeMessageFile();
        else
            home.writeMessageFile(QStringList(c.lines, QStringLiteral("Text")));
        LottoZahlen window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Reported once, as what it is; the start-up went on as usual.
        const QString file =
            QDir::toNativeSeparators(QDir(home.path()).filePath(QStringLiteral("land/meldungen.txt.de")));
        QString report = QString::fromLatin1(c.report);
        if (c.lines >= 0) report = report.arg(kMessageCount);
        QCOMPARE(window.statusPanel(1)->text(), file + report);
        QVERIFY2(prompts.asked().empty(), c.what);
        QVERIFY(!window.control<QLabel>(QStringLiteral("Label29"))->text().isEmpty());
    }
}

// A record cut off at the end is skipped by the reader; the status bar says so.
void MainWindowTest::tornDrawFileIsReported() {
    TempHome home;
    PromptScript prompts;
    home.writeDraws(
        {makeDraw("2024-03-02", {1, 9, 14, 22, 30, 41}), makeDraw("2024-03-06", {2, 9, 14, 22, 30, 41})});
    const QString path = QDir(home.path()).filePath(QString::fromLatin1(DrawFile::kFileName));
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write("torn");
    file.close();
    LottoZahlen window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.statusPanel(1)->text(),
             QDir::toNativeSeparators(path) + QStringLiteral(": 4 bytes after the last whole draw ignored"));
    QVERIFY(prompts.asked().empty());
}

void MainWindowTest::hintsGoToPanelOne() {
    TempHome home;
    PromptScript prompts;
    LottoZahlen window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLabel *panel = window.statusPanel(1);

    QEvent enterField(QEvent::Enter);
    QCoreApplication::sendEvent(window.control(QStringLiteral("Edit1")), &enterField);
    QVERIFY(panel->text().isEmpty());

    QEvent enterButton(QEvent::Enter);
    QCoreApplication::sendEvent(window.control(QStringLiteral("Tipp1Edit")), &enterButton);
    QCOMPARE(panel->text(),
             QString::fromUtf8("Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per "
                               "Zufallsgenerator erzeugen wollen"));

    QEvent enterCaption(QEvent::Enter);
    QCoreApplication::sendEvent(window.control(QStringLiteral("Label98")), &enterCaption);
    QCOMPARE(panel->text(), QString::fromUtf8("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!"));
    QCOMPARE(window.statusPanel(0)->width(), 150);
}

void MainWindowTest::heightChangesScaleTheTabArea() {
    TempHome home;
    PromptScript prompts;
    LottoZahlen window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize start = window.size();
    const int fieldWidth = window.control(QStringLiteral("Edit1"))->width();

    window.resize(start.width() + 200, start.height());
    QTRY_COMPARE(window.width(), start.width() + 200);
    QCOMPARE(window.pages()->font().pixelSize(), 13);

    // Taller but not wider: the scale stops where the right-hand column still fits.
    window.resize(start.width() + 200, start.height() * 3);
    QTRY_COMPARE(window.height(), start.height() * 3);
    QCoreApplication::processEvents();
    QCOMPARE(window.width(), start.width() + 200);
    QVERIFY(window.pages()->font().pixelSize() > 13);
    for (const char *name : {"Loeschen", "TippsBerechnen", "Label44"}) {
        QWidget *widget = window.control(QString::fromLatin1(name));
        const QPoint right = widget->mapTo(&window, QPoint(widget->width(), 0));
        QVERIFY2(right.x() <= window.width(), name);
    }

    // With room enough the scale is the ratio of the heights.
    window.resize(start.width() * 2, start.height() * 2);
    QTRY_COMPARE(window.height(), start.height() * 2);
    QCOMPARE(window.pages()->font().pixelSize(), 26);
    QCOMPARE(window.control(QStringLiteral("Edit1"))->width(), fieldWidth * 2);
}

void MainWindowTest::everyOperationIsEnabled() {
    TempHome home;
    PromptScript prompts;
    LottoZahlen window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const char *name : {"SpeedButton12", "OnlineTipp", "BitBtn9", "BitBtn19", "SpeedButton4"})
        QVERIFY2(window.control(QString::fromLatin1(name))->isEnabled(), name);
}

void MainWindowTest::firstStartAsksOverTheShownWindow() {
    // Without a history the start-up asks for one; the window is already on screen by then, so
    // the box does not stand alone on an empty screen.
    TempHome home;
    LottoZahlen window;
    std::vector<bool> shownWhenAsked;
    Prompts::setHandler([&](const Prompts::Request &) {
        shownWhenAsked.push_back(window.windowHandle() && window.windowHandle()->isVisible());
        return Prompts::Answer{};
    });
    window.show();
    Prompts::setHandler({});
    QCOMPARE(shownWhenAsked, std::vector<bool>{true});
}

void MainWindowTest::longHintsAreElided() {
    TempHome home;
    PromptScript prompts;
    LottoZahlen window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLabel *panel = window.statusPanel(1);
    const QString hint = QStringLiteral("Ein langer Hinweis ").repeated(20);
    window.setStatusText(1, hint);
    QCOMPARE(panel->text(), hint);
    QCOMPARE(panel->toolTip(), hint);
    auto *elided = qobject_cast<ElidedLabel *>(panel);
    QVERIFY(elided);
    const QString shown = elided->shownText();
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QVERIFY(panel->fontMetrics().horizontalAdvance(shown) <= panel->contentsRect().width());
    QVERIFY(panel->width() < window.width()); // the hint does not widen the window

    window.setStatusText(1, QStringLiteral("Kurz"));
    QCOMPARE(elided->shownText(), QStringLiteral("Kurz"));
}

void MainWindowTest::resultColumnsHaveHeadings() {
    TempHome home;
    PromptScript prompts;
    LottoZahlen window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const std::pair<const char *, const char *> columns[] = {{"ResultHeading", kTipRows[0].result},
                                                             {"CrossSumHeading", kTipRows[0].crossSum}};
    const QString texts[] = {QStringLiteral("Richtige"), QStringLiteral("QS")};
    for (std::size_t i = 0; i < 2; ++i) {
        auto *heading = window.findChild<QLabel *>(QString::fromLatin1(columns[i].first));
        QVERIFY2(heading, columns[i].first);
        QCOMPARE(heading->text(), texts[i]);
        QWidget *first = window.control(QString::fromLatin1(columns[i].second));
        const QPoint headingAt = heading->mapTo(&window, QPoint(0, 0));
        const QPoint firstAt = first->mapTo(&window, QPoint(0, 0));
        QCOMPARE(headingAt.x(), firstAt.x());
        QVERIFY(headingAt.y() + heading->height() <= firstAt.y());
    }
}

void MainWindowTest::typingAWholeDate_data() {
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("how"); // dclick: double-click; click: a click at the start; tab: Tab
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected"); // invalid: the date stays as it was
    const QDate wanted(2026, 8, 15);
    for (const char *picker : {"DateTimePicker1", "DateTimePicker2"}) {
        const QString name = QString::fromLatin1(picker);
        QTest::addRow("%s double-click", picker) << name << "dclick"
                                                 << "15.08.2026" << wanted;
        QTest::addRow("%s click, digits", picker) << name << "click"
                                                  << "15082026" << wanted;
        QTest::addRow("%s click, dots", picker) << name << "click"
                                                << "15.08.2026" << wanted;
        QTest::addRow("%s tab", picker) << name << "tab"
                                        << "15.08.2026" << wanted;
    }
    QTest::addRow("short day and month") << "DateTimePicker1"
                                         << "dclick"
                                         << "5.8.2026" << QDate(2026, 8, 5);
    QTest::addRow("no such day") << "DateTimePicker1"
                                 << "dclick"
                                 << "31.02.2026" << QDate();
    QTest::addRow("incomplete") << "DateTimePicker2"
                                << "dclick"
                                << "15.08.20" << QDate();
    QTest::addRow("before the start") << "DateTimePicker2"
                                      << "dclick"
                                      << "15.08.1980" << QDate();
}

void MainWindowTest::typingAWholeDate() {
    QFETCH(QString, picker);
    QFETCH(QString, how);
    QFETCH(QString, typed);
    QFETCH(QDate, expected);
    TempHome home;
    PromptScript prompts;
    LottoZahlen window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *edit = window.control<QDateEdit>(picker);
    window.pages()->setCurrentWidget(
        window.pages()->widget(picker == QStringLiteral("DateTimePicker1") ? 3 : 2));
    const QDate before(2020, 2, 2);
    edit->setDate(before);
    auto *text = edit->findChild<QLineEdit *>();
    const QPoint start(3, text->height() / 2);
    if (how == QStringLiteral("dclick")) {
        QTest::mouseClick(text, Qt::LeftButton, {}, start);
        QTest::mouseDClick(text, Qt::LeftButton, {}, start);
    } else if (how == QStringLiteral("click")) {
        QTest::mouseClick(text, Qt::LeftButton, {}, start);
        text->setCursorPosition(0);
    } else {
        edit->setFocus(Qt::TabFocusReason);
    }
    QCOMPARE(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, typed);
    window.pages()->setFocus(); // leave the picker
    QCOMPARE(edit->date(), expected.isValid() ? expected : before);
    QCOMPARE(text->text(), edit->date().toString(QStringLiteral("dd.MM.yyyy")));
}

void MainWindowTest::webLinksOpenInTheBrowser() {
    TempHome home;
    PromptScript prompts;
    UrlRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    LottoZahlen window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The banners open the product page; a link label opens the address it shows.
    for (const char *name : {"Label43", "Label44", "Label52", "Label53", "Label54"}) {
        window.pages()->setCurrentIndex(name[6] == '4' ? 0 : 5);
        QTest::mouseClick(window.control(QString::fromLatin1(name)), Qt::LeftButton);
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    const QUrl product(QStringLiteral("https://www.sorvani.example/quorix/"));
    QCOMPARE(browser.opened.size(), 5);
    QCOMPARE(browser.opened[0], product);
    QCOMPARE(browser.opened[1], product);
    for (int i = 2; i < 5; ++i) {
        const auto *label = window.control<QLabel>(QStringLiteral("Label%1").arg(50 + i));
        QCOMPARE(browser.opened[i], QUrl(label->text()));
    }
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
