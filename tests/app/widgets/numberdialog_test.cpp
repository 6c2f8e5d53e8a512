#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <set>

#include "app/widgets/numberdialog.h"
#include "appfixture.h"
#include "core/base/random.h"

using namespace quorix;
using namespace Qt::StringLiterals;

namespace {

std::vector<int> marked(const NumberDialog &dialog) {
    std::vector<int> numbers;
    for (int n = 1; n <= NumberDialog::kEntries; ++n)
        if (dialog.isMarked(n)) numbers.push_back(n);
    return numbers;
}

std::vector<int> ticked(const NumberDialog &dialog) {
    std::vector<int> numbers;
    for (int n = 1; n <= NumberDialog::kEntries; ++n)
        if (dialog.isTicked(n)) numbers.push_back(n);
    return numbers;
}

// The picks the run must make: numbers 1..42 from the generator, skipping those already ticked,
// with the first `frozen` picks kept from the previous step.
std::vector<int> referenceStep(Random &random, std::vector<int> previous, int frozen) {
    previous.resize(std::size_t(frozen));
    while (previous.size() < 6) {
        int n = 0;
        do {
            n = int(random.below(42)) + 1;
        } while (std::find(previous.begin(), previous.end(), n) != previous.end());
        previous.push_back(n);
    }
    return previous;
}

std::vector<int> sorted(std::vector<int> v) {
    std::sort(v.begin(), v.end());
    return v;
}

NumberPool poolOf(std::initializer_list<int> numbers) {
    NumberPool pool;
    for (int n : numbers)
        pool.add(n);
    return pool;
}

std::vector<int> entriesOf(const NumberPool &pool) {
    return {pool.entries().begin(), pool.entries().end()};
}

void rightRelease(QWidget *widget) {
    QTest::mouseRelease(widget, Qt::RightButton, {}, widget->rect().center());
}

} // namespace

class NumberDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tipModeMarksTheRowAndGivesTheTickedNumbers();
    void editTipOnOkAndAbort();
    void randomRunFreezesOnePickPerClick();
    void randomRunStopsWhenTheDialogCloses();
    void weightsByMouse();
    void poolToListAndBack();
    void saveAndLoadValueLists();
    void statusLineStartsEmptyInEachMode();
};

void NumberDialogTest::tipModeMarksTheRowAndGivesTheTickedNumbers() {
    Random random(1);
    NumberDialog dialog(random);
    QVERIFY(!dialog.randomButton()->isVisibleTo(&dialog));
    const std::vector<int> row{5, 9, 23, 30, 31, 40};
    dialog.enterTipMode(row);

    QVERIFY(dialog.randomButton()->isVisibleTo(&dialog));
    QVERIFY(!dialog.computeButton()->isVisibleTo(&dialog));
    QCOMPARE(dialog.pickCount(), 6);
    QCOMPARE(marked(dialog), row);
    // Entries 43..45 keep their design tick but are not offered in tip mode.
    QCOMPARE(dialog.tickedTipNumbers(), row);
    QVERIFY(!dialog.entry(43)->isVisibleTo(&dialog));
    const auto background = [&](int n) {
        return dialog.entry(n)->palette().color(dialog.entry(n)->backgroundRole());
    };
    QCOMPARE(background(5), QColor(Qt::yellow));
    QCOMPARE(background(6), dialog.entry(6)->palette().color(QPalette::ToolTipBase));

    // A number ticked by hand: the first click ticks it (weight 1).
    dialog.show();
    QTest::mouseClick(dialog.entry(12), Qt::LeftButton);
    QVERIFY(dialog.isTicked(12));
    QCOMPARE(dialog.weight(12), u"1"_s);
    QTest::mouseClick(dialog.entry(23), Qt::LeftButton);
    QCOMPARE(dialog.tickedTipNumbers(), (std::vector<int>{5, 9, 12, 30, 31, 40}));

    dialog.leaveTipMode(u"m36"_s);
    QVERIFY(marked(dialog).empty());
    QVERIFY(dialog.entry(45)->isVisibleTo(&dialog));
    QVERIFY(dialog.computeButton()->isVisibleTo(&dialog));
    QVERIFY(!dialog.randomButton()->isVisibleTo(&dialog));
    QCOMPARE(dialog.windowTitle(), u"m36"_s);
}

void NumberDialogTest::editTipOnOkAndAbort() {
    Random random(1);
    NumberDialog dialog(random);
    const std::vector<int> row{5, 9, 23, 30, 31, 40};

    QTimer::singleShot(0, &dialog, [&] {
        QCOMPARE(dialog.windowTitle(), u"1. Tipp"_s);
        for (int n : {23, 30, 31})
            dialog.entry(n)->click();
        dialog.okButton()->click();
    });
    const auto picked = dialog.editTip(u"1. Tipp"_s, row, u"m36"_s);
    QVERIFY(picked);
    QCOMPARE(*picked, (std::vector<int>{5, 9, 40}));
    QCOMPARE(dialog.windowTitle(), u"m36"_s);

    QTimer::singleShot(0, &dialog, [&] { dialog.abortButton()->click(); });
    QVERIFY(!dialog.editTip(u"2. Tipp"_s, row, u"m36"_s));
}

void NumberDialogTest::randomRunFreezesOnePickPerClick() {
    Random random(4711);
    Random reference(4711);
    NumberDialog dialog(random);
    dialog.enterTipMode(std::vector<int>{1, 2, 3});

    dialog.BitBtn4Click();
    QVERIFY(dialog.randomRunActive());
    QVERIFY(dialog.tickedTipNumbers().empty());

    std::vector<int> picks;
    for (int frozen = 0; frozen < 6; ++frozen) {
        // Two steps per frozen count: the frozen picks stay, the others change with the generator.
        for (int step = 0; step < 2; ++step) {
            dialog.Timer1Timer();
            picks = referenceStep(reference, picks, frozen);
            QCOMPARE(dialog.tickedTipNumbers(), sorted(picks));
            QCOMPARE(marked(dialog), sorted(picks));
            QCOMPARE(dialog.randomButton()->text(), QString::number(frozen + 1) + u" Stopp"_s);
        }
        dialog.BitBtn4Click();
    }
    // The sixth click stopped the run; the last picks stay ticked.
    QVERIFY(!dialog.randomRunActive());
    QCOMPARE(dialog.randomButton()->text(), u"Zufall"_s);
    QCOMPARE(dialog.fixedCount(), 1);
    QCOMPARE(dialog.tickedTipNumbers(), sorted(picks));
    QCOMPARE(random.state(), reference.state());

    // The real 25 ms timer drives the same steps.
    dialog.BitBtn4Click();
    QTRY_COMPARE(dialog.tickedTipNumbers().size(), std::size_t(6));
    QCOMPARE(dialog.randomButton()->text(), u"1 Stopp"_s);
}

void NumberDialogTest::randomRunStopsWhenTheDialogCloses() {
    Random random(99);
    NumberDialog dialog(random);
    dialog.enterTipMode({});
    dialog.BitBtn4Click();
    // Two clicks before the timer ever fired: the frozen first pick is drawn, not left empty.
    dialog.BitBtn4Click();
    dialog.Timer1Timer();
    QCOMPARE(dialog.tickedTipNumbers().size(), std::size_t(6));
    QCOMPARE(dialog.fixedCount(), 2);

    dialog.show();
    dialog.reject();
    QVERIFY(!dialog.randomRunActive());
    QCOMPARE(dialog.randomButton()->text(), u"Zufall"_s);
    QCOMPARE(dialog.fixedCount(), 1);
}

void NumberDialogTest::weightsByMouse() {
    Random random(1);
    NumberDialog dialog(random);
    dialog.fillFromPool(poolOf({1, 1, 1, 2, 42, 42}));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    // Unticked 7 with weight "0": a click ticks it with weight 1, a right release drops it again.
    QCheckBox *seven = dialog.entry(7);
    QTest::mouseClick(seven, Qt::LeftButton);
    QVERIFY(dialog.isTicked(7));
    QCOMPARE(dialog.weight(7), u"1"_s);
    QCOMPARE(dialog.statusText(), u"Die Zahl 7 geht mit der Gewichtung 1 in die Berechnung ein"_s);
    rightRelease(seven);
    QVERIFY(!dialog.isTicked(7));
    QCOMPARE(dialog.weight(7), u"0"_s);

    // Right release over a ticked entry counts down without toggling.
    rightRelease(dialog.entry(1));
    QVERIFY(dialog.isTicked(1));
    QCOMPARE(dialog.weight(1), u"2"_s);
    // Unticking keeps the weight; ticking again adds 1.
    QTest::mouseClick(dialog.entry(1), Qt::LeftButton);
    QVERIFY(!dialog.isTicked(1));
    QTest::mouseClick(dialog.entry(1), Qt::LeftButton);
    QCOMPARE(dialog.weight(1), u"3"_s);

    // A weight that is not a number becomes 0 on a click, and the entry drops out.
    dialog.setWeight(9, u"x"_s);
    dialog.setTicked(9, false);
    QTest::mouseClick(dialog.entry(9), Qt::LeftButton);
    QVERIFY(!dialog.isTicked(9));
    QCOMPARE(dialog.weight(9), u"0"_s);

    // Hovering tells an entry's weight.
    QTest::mouseMove(dialog.entry(42));
    QTRY_COMPARE(dialog.statusText(), u"Die Zahl 42 geht mit der Gewichtung 2 in die Berechnung ein"_s);
}

void NumberDialogTest::poolToListAndBack() {
    Random random(1);
    NumberDialog dialog(random);
    dialog.fillFromPool(poolOf({42, 1, 2, 1, 42, 1}));
    QCOMPARE(ticked(dialog), (std::vector<int>{1, 2, 42}));
    QCOMPARE(dialog.weight(1), u"3"_s);
    QCOMPARE(dialog.weight(2), u"1"_s);
    QCOMPARE(dialog.weight(42), u"2"_s);
    QCOMPARE(dialog.weight(3), u"0"_s);
    QCOMPARE(entriesOf(dialog.poolFromList()), (std::vector<int>{1, 1, 1, 2, 42, 42}));
    // The weights are the dialog's own; the hints only show them.
    QCOMPARE(dialog.entry(1)->toolTip(), u"3"_s);
    dialog.entry(1)->setToolTip(QString());
    QCOMPARE(dialog.weight(1), u"3"_s);
    QCOMPARE(entriesOf(dialog.poolFromList()), (std::vector<int>{1, 1, 1, 2, 42, 42}));

    // Weight 0, a non-number and 44 each add one entry.
    dialog.fillFromPool(NumberPool());
    dialog.setTicked(3, true);
    dialog.setWeight(3, u"4"_s);
    dialog.setTicked(9, true);
    dialog.setWeight(9, u"0"_s);
    dialog.setTicked(17, true);
    dialog.setWeight(17, u"zwei"_s);
    dialog.setTicked(44, true);
    QCOMPARE(entriesOf(dialog.poolFromList()), (std::vector<int>{3, 3, 3, 3, 9, 17, 44}));

    // As the computation shows it: OK keeps the pool, "&Rechnen" takes the list, Abort nothing.
    const NumberPool pool = poolOf({7, 7, 8});
    const auto closeWith = [&](QPushButton *button, bool untickEight) {
        QTimer::singleShot(0, &dialog, [&dialog, button, untickEight] {
            if (untickEight) dialog.entry(8)->click();
            button->click();
        });
        return dialog.choosePool(pool);
    };
    QCOMPARE(entriesOf(*closeWith(dialog.okButton(), true)), (std::vector<int>{7, 7, 8}));
    QCOMPARE(entriesOf(*closeWith(dialog.computeButton(), true)), (std::vector<int>{7, 7}));
    QVERIFY(!closeWith(dialog.abortButton(), false));
}

void NumberDialogTest::saveAndLoadValueLists() {
    QTemporaryDir dir;
    Random random(1);
    NumberDialog dialog(random);
    // A fixed today, so the proposed name does not depend on the day the test runs.
    dialog.setToday([] { return serialFromYmd(2026, 12, 11); });
    QString chosen;
    QList<bool> asked;
    QString proposed;
    dialog.setFileChooser([&](bool save, const QString &name) {
        asked << save;
        proposed = name;
        return chosen;
    });
    testing::PromptScript prompts;

    dialog.fillFromPool(poolOf({5, 5, 17}));
    dialog.setTicked(30, true);
    dialog.setWeight(30, QString()); // ticked without a weight: saved as "1"
    chosen = dir.filePath(u"liste"_s);
    dialog.SpeedButton1Click();
    QCOMPARE(asked, QList<bool>{true});
    QCOMPARE(proposed, u"20261211.zqw"_s);
    QCOMPARE(dialog.weight(30), u"1"_s);
    QFile file(dir.filePath(u"liste.zqw"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 46); // 45 lines, each ended by CR LF
    QCOMPARE(lines[4], QByteArray("2\r"));
    QCOMPARE(lines[16], QByteArray("1\r"));
    QCOMPARE(lines[29], QByteArray("1\r"));
    QCOMPARE(lines[0], QByteArray("\r"));

    NumberDialog other(random);
    other.setFileChooser([&](bool, const QString &) { return dir.filePath(u"liste.zqw"_s); });
    other.SpeedButton2Click();
    QCOMPARE(ticked(other), (std::vector<int>{5, 17, 30}));
    QCOMPARE(other.weight(5), u"2"_s);
    QCOMPARE(other.weight(1), u"1"_s); // empty lines untick with weight "1"

    // A file that cannot be read: the error box, the entries unchanged; cancelling does nothing.
    other.setFileChooser([&](bool, const QString &) { return dir.filePath(u"missing.zqw"_s); });
    other.SpeedButton2Click();
    QCOMPARE(prompts.asked().size(), std::size_t(1));
    QCOMPARE(ticked(other), (std::vector<int>{5, 17, 30}));
    chosen.clear();
    dialog.SpeedButton2Click();
    QCOMPARE(prompts.asked().size(), std::size_t(1));
}

void NumberDialogTest::statusLineStartsEmptyInEachMode() {
    Random random(1);
    NumberDialog dialog(random);
    const auto tellAWeight = [&] {
        dialog.entry(7)->click();
        QVERIFY(!dialog.statusText().isEmpty());
    };
    dialog.show();
    tellAWeight();
    dialog.enterTipMode(std::vector<int>{5, 9, 23});
    QVERIFY(dialog.statusText().isEmpty());
    tellAWeight();
    dialog.leaveTipMode(u"m36"_s);
    QVERIFY(dialog.statusText().isEmpty());
    dialog.hide();

    // Opened for a row or for the computation's list, the line is empty whatever was told before.
    QString shownOnOpening = u"not opened"_s;
    const auto answer = [&](QPushButton *button) {
        QTimer::singleShot(0, &dialog, [&, button] {
            shownOnOpening = dialog.statusText();
            tellAWeight();
            button->click();
        });
    };
    answer(dialog.abortButton());
    dialog.editTip(u"1. Tipp"_s, std::vector<int>{5}, u"m36"_s);
    QCOMPARE(shownOnOpening, QString());
    answer(dialog.abortButton());
    dialog.editTip(u"2. Tipp"_s, std::vector<int>{6}, u"m36"_s);
    QCOMPARE(shownOnOpening, QString());
    answer(dialog.okButton());
    dialog.choosePool(poolOf({1, 2, 3}));
    QCOMPARE(shownOnOpening, QString());
}

QTEST_MAIN(NumberDialogTest)
#include "numberdialog_test.moc"
