// The ticket printing from the window: the print settings dialog and its three ways out, the page
// handed to the preview, the Joker numbers the dialog keeps, and the command line that prints a
// tip file. The layout itself is tested in core, its rendering in ticketpdf_test.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include "app/mainwindow/mainwindow.h"
#include "app/printing/printsettingsdialog.h"
#include "app/printing/ticketprint.h"
#include "app/widgets/uihelpers.h"
#include "appfixture.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;

namespace {

// The day the tests print on: a Thursday, whatever the clock says.
const DaySerial kToday = serialFromYmd(2024, 3, 14);

const std::vector<Draw> kHistory = {
    makeDraw("2024-03-09", {2, 11, 19, 24, 33, 38}, 0, 1, 3, {1, 2, 3, 4, 5, 6}),
    makeDraw("2024-03-13", {3, 11, 17, 25, 33, 40}, 8, 5, 7, {4, 8, 2, 9, 1, 5}),
};

void fillRow(LottoZahlen &window, int row, const QStringList &numbers, const QString &lucky) {
    for (int c = 0; c < 6; ++c)
        window.sheet().tipField(row, c)->setText(numbers.value(c));
    window.sheet().luckyBox(row)->setCurrentText(lucky);
}

// A started window in a program folder of its own, with the preview and the online route
// captured.
struct Printing {
    TempHome &home;
    PromptScript prompts;
    LottoZahlen window;
    std::vector<TicketPage> previews;
    int onlineRuns = 0;

    explicit Printing(TempHome &folder)
        : home(folder) {
        home.writeDraws(kHistory);
        window.setToday([] { return kToday; });
        window.printing().setPreview([this](const TicketPage &page) { previews.push_back(page); });
        window.printing().setOnlineRoute([this] { ++onlineRuns; });
        window.show();
    }
    PrintSettingsDialog &dialog() { return window.printDialog(); }
    // The dialog answers with `outcome` after `change` has worked on it.
    void answer(PrintSettingsDialog::Outcome outcome,
                const std::function<void(PrintSettingsDialog &)> &change = {}) {
        dialog().setRunner([outcome, change](PrintSettingsDialog &d) {
            if (change) change(d);
            return outcome;
        });
    }
};

bool todayIsForSaturday() {
    return ticketForSaturday(kToday);
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogButtonsEndItAsTheySay_data();
    void dialogButtonsEndItAsTheySay();
    void okPreviewsTheSheetOnTheChosenPaper();
    void abortAndOnlineKeepTheStoredSettings();
    void costFollowsTheBoxes();
    void sheetsTheTicketCannotTakeStopBeforeThePreview();
    void testPictureOnlyWhenTicked();
    void jokerNumbersReachTheCheckAndTheSettings();
    void jokerButtonsSearchAndMakeNumbers();
    void commandLineNamesTheTipFile();
    void commandLinePrintsAndCloses();
};

// The real dialog, run modally: each button gives its result.
void PrintTest::dialogButtonsEndItAsTheySay_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("previews");
    QTest::addColumn<int>("onlineRuns");
    QTest::newRow("OK") << u"BitBtn1"_s << 1 << 0;
    QTest::newRow("Abbrechen") << u"BitBtn2"_s << 0 << 0;
    QTest::newRow("Online") << u"BitBtn3"_s << 0 << 1;
    QTest::newRow("closed") << QString() << 0 << 0;
}

void PrintTest::dialogButtonsEndItAsTheySay() {
    QFETCH(QString, button);
    QFETCH(int, previews);
    QFETCH(int, onlineRuns);
    TempHome home;
    Printing p(home);
    PrintSettingsDialog &dialog = p.dialog();
    bool shown = false;
    QTimer::singleShot(0, &dialog, [&] {
        shown = dialog.isVisible();
        if (button.isEmpty())
            dialog.close();
        else
            dialog.findChild<QPushButton *>(button)->click();
    });
    p.window.printing().printTicket();
    QVERIFY(shown);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(int(p.previews.size()), previews);
    QCOMPARE(p.onlineRuns, onlineRuns);
}

void PrintTest::okPreviewsTheSheetOnTheChosenPaper() {
    TempHome home;
    Printing p(home);
    fillRow(p.window, 0, {u"1"_s, u"42"_s}, u"1"_s);
    fillRow(p.window, 1, {u"8"_s}, u"-"_s);
    fillRow(p.window, 4, {u"7"_s, u"9"_s, u"13"_s, u"20"_s, u"31"_s, u"40"_s}, u"6"_s);
    bool presetForToday = false;
    p.answer(PrintSettingsDialog::Outcome::Ok, [&](PrintSettingsDialog &d) {
        // Opened with the stored offsets and paper, one day ticked by today's weekday.
        presetForToday = d.saturdayBox()->isChecked() == todayIsForSaturday() &&
                         d.wednesdayBox()->isChecked() != todayIsForSaturday() &&
                         d.topSpin()->value() == 53 && d.leftSpin()->value() == 32 &&
                         d.paperList()->currentIndex() == 0;
        d.topSpin()->setValue(40);
        d.leftSpin()->setValue(20);
        d.paperList()->setCurrentIndex(3);
        d.saturdayBox()->setChecked(true);
        d.wednesdayBox()->setChecked(true);
        d.jokerBox(1)->setChecked(true);
    });
    p.window.printing().printTicket();
    QVERIFY(presetForToday);
    QCOMPARE(int(p.previews.size()), 1);
    const TicketPage &page = p.previews.front();
    const auto expected = layoutTicket(p.window.tipSheet(), {40, 20, true, true, {false, true, false}});
    QVERIFY(expected.ok());
    QVERIFY(*expected == page.marks);
    QCOMPARE(page.marks.size(), std::size_t{1 + 1 + 3 + 1 + 7});
    // 18x10,6 turned to landscape, no margin but the bottom one.
    QCOMPARE(page.layout.orientation(), QPageLayout::Landscape);
    const QRectF paper = page.layout.fullRect(QPageLayout::Millimeter);
    QCOMPARE(paper.size().toSize(), QSize(180, 106));
    QCOMPARE(page.layout.margins(QPageLayout::Millimeter), QMarginsF(0, 0, 0, 10));
    QVERIFY(page.picture.isNull());
    // OK keeps the offsets and the paper; the days and Jokers stay for the check and the scripts.
    QCOMPARE(p.window.printSettings(), (PrintSettings{3, 40, 20}));
    QVERIFY(p.window.ticketDays().saturday && p.window.ticketDays().wednesday);
    QVERIFY(p.window.jokerNumbers().tickets[1].enabled);
    QVERIFY(p.prompts.asked().empty());

    // The next opening shows what OK kept, and A4 comes out upright.
    p.answer(PrintSettingsDialog::Outcome::Ok, [&](PrintSettingsDialog &d) {
        presetForToday =
            d.topSpin()->value() == 40 && d.paperList()->currentIndex() == 3 && d.jokerBox(1)->isChecked();
        d.paperList()->setCurrentIndex(0);
    });
    p.window.printing().printTicket();
    QVERIFY(presetForToday);
    QCOMPARE(p.previews.back().layout.orientation(), QPageLayout::Portrait);
    QCOMPARE(p.previews.back().layout.fullRect(QPageLayout::Millimeter).size().toSize(), QSize(210, 297));
}

void PrintTest::abortAndOnlineKeepTheStoredSettings() {
    for (const PrintSettingsDialog::Outcome outcome :
         {PrintSettingsDialog::Outcome::Abort, PrintSettingsDialog::Outcome::Online}) {
        TempHome home;
        Printing p(home);
        fillRow(p.window, 0, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s}, u"-"_s);
        p.answer(outcome, [](PrintSettingsDialog &d) {
            d.topSpin()->setValue(99);
            d.leftSpin()->setValue(1);
            d.paperList()->setCurrentIndex(2);
            d.jokerBox(2)->setChecked(true);
            d.saturdayBox()->setChecked(false);
            d.wednesdayBox()->setChecked(false);
        });
        p.window.printing().printTicket();
        QVERIFY(p.previews.empty());
        QCOMPARE(p.onlineRuns, outcome == PrintSettingsDialog::Outcome::Online ? 1 : 0);
        QCOMPARE(p.window.printSettings(), PrintSettings{});
        // What the player ticked stays in the dialog, for the check and the click scripts.
        QVERIFY(p.window.jokerNumbers().tickets[2].enabled);
        QVERIFY(!p.window.ticketDays().saturday && !p.window.ticketDays().wednesday);
    }
}

void PrintTest::costFollowsTheBoxes() {
    TempHome home;
    Printing p(home);
    PrintSettingsDialog &d = p.dialog();
    const auto costOf = [&] { return d.costLabel()->text().section(u' ', 0, 0); };
    d.prepare({{3, 2}, {}, 0, std::nullopt});
    d.saturdayBox()->setChecked(true);
    d.wednesdayBox()->setChecked(true);
    d.jokerBox(0)->setChecked(true);
    QCOMPARE(costOf(), u"17,00"_s);
    // Amount, a blank, the currency sign.
    QVERIFY(d.costLabel()->text().size() > 6 && d.costLabel()->text().at(5) == u' ');
    d.saturdayBox()->setChecked(false);
    QCOMPARE(costOf(), u"8,50"_s);
    d.wednesdayBox()->setChecked(false);
    QCOMPARE(costOf(), u"0,00"_s);
    d.prepare({{14, 14}, {}, 0, std::nullopt});
    for (int j = 0; j < 3; ++j)
        d.jokerBox(j)->setChecked(true);
    d.saturdayBox()->setChecked(true);
    d.wednesdayBox()->setChecked(true);
    QCOMPARE(costOf(), u"82,00"_s);
    // The offsets stop at 0 and 100.
    d.topSpin()->setValue(150);
    d.leftSpin()->setValue(-3);
    QCOMPARE(d.topSpin()->value(), 100);
    QCOMPARE(d.leftSpin()->value(), 0);

    // Opened for printing, the counts come from the sheet: two tips, one with a lucky number, one day.
    fillRow(p.window, 0, {u"1"_s, u"2"_s}, u"3"_s);
    fillRow(p.window, 3, {u"5"_s}, u"-"_s);
    for (int j = 0; j < 3; ++j)
        d.jokerBox(j)->setChecked(false);
    QString shown;
    p.answer(PrintSettingsDialog::Outcome::Abort,
             [&](PrintSettingsDialog &dialog) { shown = dialog.costLabel()->text(); });
    p.window.printing().printTicket();
    QCOMPARE(shown.section(u' ', 0, 0), u"4,00"_s);
}

void PrintTest::sheetsTheTicketCannotTakeStopBeforeThePreview() {
    struct Case {
        int row;
        QStringList numbers;
        QString lucky;
        QString message;
    };
    TempHome home;
    Printing p(home);
    const Case cases[] = {
        {1, {u"4"_s, u"5"_s}, u"3,9"_s, u"«3,9» in Reihe 2 ist keine ganze Zahl."_s},
        {5,
         {QString(), u"5"_s},
         u"-"_s,
         u"6. "_s + p.window.message(Msg::TipWord) + u": "_s +
             p.window.message(Msg::TicketRowNotFromFirstField)},
        {5,
         {},
         u"2"_s,
         u"6. "_s + p.window.message(Msg::TipWord) + u": "_s +
             p.window.message(Msg::TicketRowNotFromFirstField)},
    };
    fillRow(p.window, 0, {u"1"_s}, u"-"_s);
    for (const Case &c : cases) {
        fillRow(p.window, c.row, c.numbers, c.lucky);
        p.answer(PrintSettingsDialog::Outcome::Ok, [](PrintSettingsDialog &d) { d.topSpin()->setValue(60); });
        const std::size_t asked = p.prompts.asked().size();
        p.window.printing().printTicket();
        QVERIFY(p.previews.empty());
        QCOMPARE(p.prompts.asked().size(), asked + 1);
        QCOMPARE(p.prompts.asked().back().text, c.message);
        // OK stored the offsets before the marks were laid out.
        QCOMPARE(p.window.printSettings().top, 60);
        fillRow(p.window, c.row, {}, u"-"_s);
    }
}

void PrintTest::testPictureOnlyWhenTicked() {
    TempHome home;
    Printing p(home);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    QVERIFY(picture.save(QDir(p.home.path()).filePath(u"SCHEIN.JPG"_s), "JPG"));
    for (const bool ticked : {false, true, false}) {
        p.answer(PrintSettingsDialog::Outcome::Ok,
                 [ticked](PrintSettingsDialog &d) { d.testPictureBox()->setChecked(ticked); });
        p.window.printing().printTicket();
        QCOMPARE(p.previews.back().picture.isNull(), !ticked);
    }
    QCOMPARE(p.previews[1].picture.size(), QSize(40, 30));
    // A picture that has gone since is not reported; the page keeps the one it had.
    QVERIFY(QFile::remove(QDir(p.home.path()).filePath(u"SCHEIN.JPG"_s)));
    p.answer(PrintSettingsDialog::Outcome::Ok,
             [](PrintSettingsDialog &d) { d.testPictureBox()->setChecked(true); });
    p.window.printing().printTicket();
    QCOMPARE(p.previews.back().picture.size(), QSize(40, 30));
    QVERIFY(p.prompts.asked().empty());
}

// The dialog's Joker numbers are what the tip check compares with the drawn Joker, and they are
// stored with the settings.
void PrintTest::jokerNumbersReachTheCheckAndTheSettings() {
    TempHome home;
    {
        Printing p(home);
        p.answer(PrintSettingsDialog::Outcome::Abort, [](PrintSettingsDialog &d) {
            d.jokerBox(1)->setChecked(true);
            const int digits[] = {4, 8, 2, 9, 1, 5};
            for (int i = 0; i < 6; ++i)
                d.jokerDigit(1, i)->setValue(digits[i]);
            d.jokerBox(0)->setChecked(true);
            d.jokerDigit(0, 5)->setValue(7);
        });
        p.window.printing().printTicket();
        p.window.Komplettcheck();
        QCOMPARE(p.window.ui().replay->text(), u"Joker2: 482915"_s);
        QVERIFY(p.window.close());
    }
    Printing again(home);
    const JokerNumbers &jokers = again.window.jokerNumbers();
    QVERIFY(jokers.tickets[0].enabled && jokers.tickets[1].enabled && !jokers.tickets[2].enabled);
    QCOMPARE(jokers.tickets[1].digits, (std::array<int, 6>{4, 8, 2, 9, 1, 5}));
    QCOMPARE(jokers.tickets[0].digits, (std::array<int, 6>{0, 0, 0, 0, 0, 7}));
    // The start-up's check already shows the Joker result, and the dialog shows the numbers.
    QCOMPARE(again.window.ui().replay->text(), u"Joker2: 482915"_s);
    again.dialog().showState();
    QCOMPARE(again.dialog().jokerDigit(0, 5)->value(), 7);
    QVERIFY(again.dialog().jokerBox(1)->isChecked());
}

void PrintTest::jokerButtonsSearchAndMakeNumbers() {
    TempHome home;
    Printing p(home);
    TipParameters parameters = p.window.tipParameters();
    parameters.jokerOption = 1;
    p.window.setTipParameters(parameters);
    std::array<int, 6> made{};
    int level = -1;
    p.answer(PrintSettingsDialog::Outcome::Abort, [&](PrintSettingsDialog &d) {
        const int drawn[] = {4, 8, 2, 9, 1, 5};
        for (int i = 0; i < 6; ++i) {
            d.jokerDigit(0, i)->setValue(drawn[i]);
            d.jokerDigit(2, i)->setValue(drawn[i]);
        }
        d.searchButton(0)->click();
        d.searchButton(2)->click();
        d.jokerDigit(1, 0)->setValue(9);
        d.searchButton(1)->click();
        d.newNumberButton(1)->click();
        for (int i = 0; i < 6; ++i)
            made[static_cast<std::size_t>(i)] = d.jokerDigit(1, i)->value();
        level = d.jokerLevel();
    });
    p.window.printing().printTicket();
    const auto &asked = p.prompts.asked();
    QCOMPARE(int(asked.size()), 3);
    QCOMPARE(asked[0].text, u"LosNr. wurde am 13.03.2024 als Joker gezogen"_s);
    QCOMPARE(asked[1].text, u"LosNr. wurde am 13.03.2024 aus Joker gezogen"_s);
    QCOMPARE(asked[2].text, u"Losnummer noch nie als Joker Gewinnzahl gezogen"_s);
    // Level 1 (the window's Joker option): the new number equals no drawn Joker.
    QCOMPARE(level, 1);
    QCOMPARE(p.window.jokerNumbers().tickets[1].digits, made);
    for (const Draw &draw : kHistory)
        QVERIFY(draw.joker != made);
}

void PrintTest::commandLineNamesTheTipFile() {
    const std::pair<QStringList, QString> cases[] = {
        {{}, {}},
        {{u"D"_s, u"a.zqt"_s}, {}},
        {{u"X"_s, u"a.zqt"_s}, u"a.zqt"_s},
        {{u"d"_s, u"a.zqt"_s}, u"a.zqt"_s},
        {{u"X"_s}, {}},
    };
    for (const auto &[arguments, file] : cases)
        QCOMPARE(commandLineTipFile(arguments), file);
}

// "quorix X FILE.zqt": the file is loaded, the printing runs, and the window closes whichever way
// the dialog ended. "D" and an unreadable file leave the window open.
void PrintTest::commandLinePrintsAndCloses() {
    struct Case {
        QString mode;
        bool goodFile;
        bool printed;
        bool closes;
    };
    const Case cases[] = {
        {u"X"_s, true, true, true},
        {u"D"_s, true, false, false},
        {u"X"_s, false, false, false},
    };
    for (const Case &c : cases) {
        TempHome home;
        PromptScript prompts;
        home.writeDraws(kHistory);
        const QString path = QDir(home.path()).filePath(u"tips.zqt"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("3,17,25,33,40,11,5\r\n");
        file.close();
        LottoZahlen window;
        QString loaded;
        int runs = 0;
        window.printDialog().setRunner([&](PrintSettingsDialog &) {
            ++runs;
            loaded =
                window.sheet().tipField(0, 0)->text() + u" "_s + window.sheet().luckyBox(0)->currentText();
            return PrintSettingsDialog::Outcome::Abort;
        });
        window.setCommandLine({c.mode, c.goodFile ? path : path + u".missing"_s});
        window.show();
        QCOMPARE(runs, c.printed ? 1 : 0);
        if (c.printed) QCOMPARE(loaded, u"3 5"_s);
        QCOMPARE(window.isVisible(), !c.closes);
        QCOMPARE(int(prompts.asked().size()), c.goodFile ? 0 : 1);
    }
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
