// The tip computation in the real main window: settings read from the pages, the run against
// the core run, stopping, relaxation on the pages, locked rows, seeding and the number list.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "app/mainwindow/controltables.h"
#include "app/mainwindow/mainwindow.h"
#include "app/widgets/numberdialog.h"
#include "app/charts/chartspanel.h"
#include "app/widgets/uihelpers.h"
#include "app/computation/tipcomputation.h"
#include "appfixture.h"
#include "core/base/calendar.h"
#include "core/compute/computation.h"
#include "core/history/samplehistory.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;

namespace {

const QDate kEnd(2025, 12, 31);
const QDate kStart(2013, 1, 12);

enum class Messages { Shipped, Missing };

// A window on a made-up history of some thousand draws, with fixed dates.
struct Session {
    TempHome home;
    PromptScript prompts;
    std::vector<Draw> draws = makeSampleHistory(serialFromDate(kEnd), 11);
    std::unique_ptr<LottoZahlen> window;

    explicit Session(Messages messages = Messages::Shipped) {
        home.writeDraws(draws);
        if (messages == Messages::Missing) home.removeMessageFile();
        window = std::make_unique<LottoZahlen>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) qFatal("window not shown");
        window->control<QDateEdit>(u"DateTimePicker1"_s)->setDate(kEnd);
        window->control<QDateEdit>(u"DateTimePicker2"_s)->setDate(kStart);
    }
    TipComputation &computation() const { return window->computation(); }
    QPushButton *button() const { return computation().computeButton(); }
    void lock(int row, std::array<const char *, 6> fields) const {
        for (int i = 0; i < 6; ++i)
            window->sheet().tipField(row, i)->setText(QString::fromLatin1(fields[std::size_t(i)]));
        window->sheet().toggleLock(row);
    }
    QString crossSumText(int row) const {
        return window->control<QLabel>(QString::fromLatin1(kTipRows[std::size_t(row)].crossSum))->text();
    }
    QString status() const { return window->statusPanel(1)->text(); }

    // The core run with what the window shows now and these settings.
    ComputationResult expected(const TipParameters &parameters, std::uint32_t seed,
                               std::function<NumberListAnswer(const NumberPool &)> numberList = {}) const {
        ComputationRequest request = computation().requestFor(draws);
        request.parameters = parameters;
        Random random(seed);
        ComputationHost host;
        host.numberList = std::move(numberList);
        Result<ComputationResult> result = runComputation(request, random, host);
        if (!result) qFatal("core run failed");
        return *result;
    }

    // Every row of the sheet equals the core's rows. The tip check at the end gives a row that is
    // not six numbers the lucky box "-" and no cross sum.
    void compareSheet(const ComputationResult &expected) const {
        const TipSheet sheet = window->tipSheet();
        for (int r = 0; r < 14; ++r) {
            const ComputedRow &row = expected.rows[std::size_t(r)];
            bool complete = true;
            for (int i = 0; i < 6; ++i) {
                const int n = row.numbers[std::size_t(i)];
                complete = complete && n >= 1 && n <= 42;
                QCOMPARE(QString::fromStdString(sheet.rows[std::size_t(r)].numbers[std::size_t(i)]),
                         n >= 1 && n <= 42 ? QString::number(n) : QString());
            }
            QCOMPARE(QString::fromStdString(sheet.rows[std::size_t(r)].lucky),
                     complete ? QString::fromStdString(row.lucky) : u"-"_s);
            QCOMPARE(crossSumText(r), complete ? QString::number(row.crossSum) : QString());
        }
    }
};

TipParameters strictParameters() {
    TipParameters p;
    p.pastWinHits = 4;
    p.longHits = 3;
    p.longDraws = 500;
    p.requirePrimes = true;
    p.minPrimes = 2;
    p.forcePair = true;
    p.luckyOption = 1;
    p.preferFrequentPairs = true;
    p.preferNeighbours = true;
    return p;
}

// Six primes and at least two even numbers: no candidate can pass.
TipParameters impossibleParameters(int budgetThousands) {
    TipParameters p;
    p.requirePrimes = true;
    p.minPrimes = 6;
    p.requireEven = true;
    p.minEven = 2;
    p.maxRunsThousands = budgetThousands;
    return p;
}

} // namespace

class ComputationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pagesShowTheDefaultsAndEveryControlIsLive();
    void seededRunMatchesTheCoreRun();
    void stopByASecondClickOrCtrlR();
    void altBComputesEveryTime();
    void settingsChangedDuringARunTakeEffect();
    void relaxationVisibleDuringAndRestoredAfter();
    void seedingBox();
    void numberList();
    void coupledSpinFields();
    void crossSumMinimumNeverAboveMaximum();
    void closingDuringARunWaitsForTheRestore();
    void missingDrawFileEndsTheRunCleanly();
};

void ComputationTest::pagesShowTheDefaultsAndEveryControlIsLive() {
    Session s;
    QVERIFY(s.computation().readParameters() == TipParameters{});
    for (const TipParameterInfo &info : tipParameterTable()) {
        const QString name = QString::fromLatin1(info.control.empty() ? info.spinner : info.control);
        QWidget *control = s.window->control(name);
        QVERIFY2(control, qPrintable(name));
        QVERIFY2(control->isEnabled() || info.name == "countBonusHit", qPrintable(name));
        for (const QWidget *item : control->findChildren<QRadioButton *>())
            QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));
    }
    // Every field goes to the pages and back under its own control.
    TipParameters changed;
    for (const TipParameterInfo &info : tipParameterTable()) {
        if (info.isFlag())
            changed.*info.flag = !(changed.*info.flag);
        else
            changed.*info.value = changed.*info.value == info.maximum ? info.minimum : info.maximum;
    }
    changed.minShared = 1; // keeps minShared <= maxShared for the spinner limits
    s.computation().showAllParameters(changed);
    QVERIFY(s.computation().readParameters() == changed);
    QVERIFY(s.button()->isEnabled());
    QVERIFY(s.window->control(u"SpeedButton13"_s)->isEnabled());
}

void ComputationTest::seededRunMatchesTheCoreRun() {
    struct Case {
        const char *what;
        TipParameters parameters;
        bool wednesday = true;
        bool lockRows = false;
    };
    TipParameters six;
    six.tipCount = 6;
    six.luckyOption = 2;
    TipParameters noLucky;
    noLucky.makeLucky = false;
    noLucky.sharedLimitsEachTip = true;
    const Case cases[] = {
        {"defaults", TipParameters{}},
        {"strict", strictParameters()},
        {"six rows, no Wednesday", six, false},
        {"locked rows", noLucky, true, true},
        {"budget used up", impossibleParameters(2)},
    };
    for (const Case &c : cases) {
        qInfo("%s", c.what);
        Session s;
        s.window->control<QCheckBox>(u"CheckBox17"_s)->setChecked(c.wednesday);
        if (c.lockRows) {
            s.lock(3, {"1", "2", "3", "4", "5", "6"});
            s.lock(12, {"7", "", "x", "20", "30", "41"});
        }
        s.computation().showAllParameters(c.parameters);
        const ComputationResult expected = s.expected(c.parameters, 4711);
        s.window->random().seed(4711);
        s.button()->click();

        QVERIFY(!s.computation().running());
        QCOMPARE(s.button()->text(), u"Tipps &berechnen"_s);
        QVERIFY(s.window->sheet().checkEnabled());
        QVERIFY(s.computation().lastResult());
        QCOMPARE(s.computation().lastResult()->runs, expected.runs);
        QCOMPARE(s.status(), s.window->message(statusMessage(expected.status)));
        s.compareSheet(expected);
        QVERIFY(s.computation().readParameters() == c.parameters);
        if (c.lockRows) {
            QCOMPARE(QString::fromStdString(s.window->tipSheet().rows[3].lucky), u"-"_s);
            // A locked field that is not a number stays empty; the row still counts as locked.
            QCOMPARE(QString::fromStdString(s.window->tipSheet().rows[12].numbers[2]), QString());
            QCOMPARE(QString::fromStdString(s.window->tipSheet().rows[12].numbers[5]), u"41"_s);
        }
        if (expected.status == ComputationStatus::BudgetUsedUp) {
            QCOMPARE(expected.runs, std::int64_t(c.parameters.maxRunsThousands) * 1000);
        } else {
            QCOMPARE(expected.status, ComputationStatus::Done);
            QVERIFY(!s.window->tipSheet().rows[1].numbers[5].empty());
        }
    }
}

void ComputationTest::stopByASecondClickOrCtrlR() {
    // Six primes with at most two shared numbers between rows: a few rows, then a row that can
    // never be completed with a budget that lasts minutes.
    TipParameters p;
    p.requirePrimes = true;
    p.minPrimes = 6;
    p.sharedLimitsEachTip = true;
    p.maxRunsThousands = 30000;
    struct Case {
        const char *what;
        Messages messages;
        bool byShortcut;
    };
    const Case cases[] = {{"click", Messages::Shipped, false},
                          {"Ctrl+R", Messages::Shipped, true},
                          {"click without message file", Messages::Missing, false},
                          {"Ctrl+R without message file", Messages::Missing, true}};
    for (const Case &c : cases) {
        qInfo("%s", c.what);
        Session s(c.messages);
        s.computation().showAllParameters(p);
        int lastRow = 0;
        qint64 lastRuns = 0;
        connect(&s.computation(), &TipComputation::progressed, s.window.get(), [&](int row, qint64 runs) {
            lastRow = row;
            lastRuns = runs;
        });
        std::optional<qint64> runsAtStop;
        QTimer::singleShot(300, s.window.get(), [&] {
            QVERIFY(s.computation().running());
            QCOMPARE(s.button()->text(), s.window->message(Msg::Stop));
            runsAtStop = lastRuns;
            if (c.byShortcut)
                QTest::keyClick(s.window.get(), Qt::Key_R, Qt::ControlModifier);
            else
                s.button()->click();
            QVERIFY(s.computation().stopRequested());
        });
        s.window->action(u"Berechnen1"_s)->trigger();
        QVERIFY2(runsAtStop, "the run ended before the stop");

        // The stop is answered at the progress call that saw it: no attempt after it.
        QVERIFY(!s.computation().running());
        QVERIFY(!s.computation().stopRequested());
        QCOMPARE(s.computation().lastResult()->status, ComputationStatus::Stopped);
        QCOMPARE(s.computation().lastResult()->runs, *runsAtStop);
        QCOMPARE(s.status(), s.window->message(Msg::ComputationDone));
        QCOMPARE(s.button()->text(), u"Tipps &berechnen"_s);
        QVERIFY(lastRow >= 2);
        const TipSheet sheet = s.window->tipSheet();
        for (int r = 0; r < 14; ++r)
            for (int i = 0; i < 6; ++i)
                QCOMPARE(sheet.rows[std::size_t(r)].numbers[std::size_t(i)].empty(), r + 1 >= lastRow);
    }
}

// The menu item "&Berechnen" and the button "Tipps &berechnen" share Alt+B; each press computes,
// whichever of the two receives it.
void ComputationTest::altBComputesEveryTime() {
    Session s;
    s.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
    for (int press = 1; press <= 2; ++press) {
        s.window->sheet().setCheckEnabled(true);
        s.window->setStatusText(1, QString());
        QTest::keyClick(s.window.get(), Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(s.status(), s.window->message(Msg::ComputationDone));
        QVERIFY(s.computation().lastResult().has_value());
        QVERIFY(!s.window->tipSheet().rows[0].numbers[0].empty());
        s.window->sheet().clearUnlocked();
    }
}

void ComputationTest::settingsChangedDuringARunTakeEffect() {
    Session s;
    s.computation().showAllParameters(impossibleParameters(30000));
    bool relaxed = false;
    connect(&s.computation(), &TipComputation::progressed, s.window.get(), [&] {
        if (relaxed) return;
        relaxed = true;
        s.window->control<QCheckBox>(u"CheckBox25"_s)->setChecked(false); // even numbers no longer required
        s.window->control<QCheckBox>(u"CheckBox3"_s)->setChecked(false);  // rows may share numbers
    });
    s.button()->click();
    QVERIFY(relaxed);
    QCOMPARE(s.computation().lastResult()->status, ComputationStatus::Done);
    static const QSet<int> primes{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41};
    for (const TipRow &row : s.window->tipSheet().rows)
        for (const std::string &number : row.numbers)
            QVERIFY2(primes.contains(QString::fromStdString(number).toInt()), number.c_str());
}

void ComputationTest::relaxationVisibleDuringAndRestoredAfter() {
    Session s;
    TipParameters p = impossibleParameters(30);
    p.forcePair = true;
    s.computation().showAllParameters(p);
    // Rows 1 and 2 locked: row 3 spends the whole budget and goes through every relaxation step.
    s.lock(0, {"1", "2", "3", "4", "5", "6"});
    s.lock(1, {"11", "12", "13", "14", "15", "16"});

    QStringList seen;
    auto record = [&](const char *name) {
        return [&seen, &s, name](auto value) {
            seen << QString::fromLatin1(name) + u'=' + QString::number(static_cast<int>(value)) +
                        (s.computation().running() ? u""_s : u" after"_s);
        };
    };
    for (const char *name : {"Edit42", "Edit40", "Edit41"})
        connect(s.window->control<QSpinBox>(QString::fromLatin1(name)), &QSpinBox::valueChanged,
                s.window.get(), record(name));
    connect(s.window->control<QCheckBox>(u"CheckBox8"_s), &QCheckBox::toggled, s.window.get(),
            record("CheckBox8"));
    s.button()->click();

    // pastWinHits 20000 attempts before the end, forcePair at half the budget, the two draw limits
    // 10000 and 5000 attempts before the end; at the end the four come back while the run still
    // holds the button.
    QCOMPARE(seen,
             (QStringList{u"Edit42=6"_s, u"CheckBox8=0"_s, u"Edit40=1"_s, u"Edit41=2"_s, u"Edit40=2"_s,
                          u"Edit41=3"_s, u"CheckBox8=1"_s, u"Edit42=5"_s, u"Edit40=0"_s, u"Edit41=1"_s}));
    QCOMPARE(s.status(), s.window->message(Msg::NotAllTipsComputed));
    QVERIFY(s.computation().readParameters() == p);
    QCOMPARE(QString::fromStdString(s.window->tipSheet().rows[0].numbers[0]), u"1"_s);
    QCOMPARE(QString::fromStdString(s.window->tipSheet().rows[2].numbers[0]), QString());
    QCOMPARE(s.crossSumText(2), QString());
}

void ComputationTest::seedingBox() {
    struct Case {
        bool accepted;
        const char *answer;
        bool seeded; // the state is the answer (or, cancelled, the proposal)
    };
    const Case cases[] = {
        {true, "4711", true}, {true, " 123 ", true}, {false, "", true}, {true, "abc", false}};
    for (const Case &c : cases) {
        Session s;
        s.window->setStatusText(1, u"before"_s);
        s.prompts.answer(c.accepted, QString::fromLatin1(c.answer));
        const std::uint32_t before = s.window->random().state();
        Random proposalDraw(before);
        const QString proposal = QString::number(proposalDraw.below(99999));
        s.window->control<QAbstractButton>(u"SpeedButton13"_s)->click();

        QCOMPARE(s.prompts.asked().size(), std::size_t(1));
        const Prompts::Request &asked = s.prompts.asked().front();
        QCOMPARE(asked.caption, s.window->message(Msg::SeedPrompt) + u" (1-99999999)?"_s);
        QCOMPARE(asked.text, s.window->message(Msg::SeedCaption));
        QCOMPARE(asked.preset, proposal);
        const QString number = c.accepted ? QString::fromLatin1(c.answer).trimmed() : proposal;
        if (c.seeded) {
            QCOMPARE(s.window->random().state(), number.toUInt());
            QCOMPARE(s.status(), s.window->message(Msg::SeedSet) + u' ' + number);
        } else {
            QCOMPARE(s.status(), u"before"_s);
        }
    }

    // The same seed through the box gives the same tips.
    Session s;
    TipSheet first;
    for (int round = 0; round < 2; ++round) {
        s.prompts.answer(true, u"4711"_s);
        s.window->control<QAbstractButton>(u"SpeedButton13"_s)->click();
        s.button()->click();
        const TipSheet sheet = s.window->tipSheet();
        if (round == 0)
            first = sheet;
        else
            for (std::size_t r = 0; r < 14; ++r)
                QCOMPARE(sheet.rows[r].numbers, first.rows[r].numbers);
    }
    QVERIFY(!first.rows[13].numbers[0].empty());
}

void ComputationTest::numberList() {
    enum class Choice { Ok, Compute, Abort };
    struct Case {
        const char *what;
        Choice choice;
        std::vector<std::pair<int, const char *>> list; // ticked entries before "&Rechnen"
        ComputationStatus status;
    };
    const Case cases[] = {
        {"OK keeps the pool", Choice::Ok, {}, ComputationStatus::Done},
        {"weights by hand",
         Choice::Compute,
         {{2, "5"},
          {9, "0"},
          {17, "3"},
          {21, "x"},
          {30, "2"},
          {35, "1"},
          {38, "4"},
          {40, "9999999999"},
          {44, "2"}},
         ComputationStatus::BudgetUsedUp},
        {"fewer than six numbers",
         Choice::Compute,
         {{3, "4"}, {9, "1"}, {12, "1"}},
         ComputationStatus::BudgetUsedUp},
        {"abort", Choice::Abort, {}, ComputationStatus::Cancelled},
    };
    for (const Case &c : cases) {
        qInfo("%s", c.what);
        Session s;
        TipParameters p;
        p.showNumberList = true;
        p.maxRunsThousands = 5;
        s.computation().showAllParameters(p);
        s.window->sheet().tipField(2, 0)->setText(u"7"_s);
        NumberDialog &dialog = s.window->charts().numberDialog();
        std::vector<int> shownPool;
        NumberPool expectedPool;
        bool answered = false;
        QTimer::singleShot(0, &dialog, [&] {
            answered = true;
            QCOMPARE(dialog.windowTitle(), s.window->message(Msg::NumberListTitle));
            QVERIFY(dialog.computeButton()->isVisible());
            for (int n = 1; n <= 45; ++n)
                if (dialog.isTicked(n)) shownPool.insert(shownPool.end(), dialog.weight(n).toUInt(), n);
            if (c.choice == Choice::Ok) return dialog.okButton()->click();
            if (c.choice == Choice::Abort) return dialog.abortButton()->click();
            for (int n = 1; n <= 45; ++n)
                dialog.setTicked(n, false);
            for (const auto &[n, weight] : c.list) {
                dialog.setTicked(n, true);
                dialog.setWeight(n, QString::fromLatin1(weight));
            }
            expectedPool = dialog.poolFromList();
            dialog.computeButton()->click();
        });
        s.window->random().seed(99);
        s.button()->click();
        QVERIFY(answered);
        QCOMPARE(s.button()->text(), u"Tipps &berechnen"_s);
        QVERIFY(s.window->sheet().checkEnabled());

        if (c.status == ComputationStatus::Cancelled) {
            QVERIFY(!s.computation().running());
            QCOMPARE(QString::fromStdString(s.window->tipSheet().rows[2].numbers[0]),
                     QString()); // cleared before the pool was built
            continue;
        }
        // The pool the list showed is the pool the core builds (for the end date before the run).
        s.window->control<QDateEdit>(u"DateTimePicker1"_s)->setDate(kEnd);
        NumberPool corePool;
        s.expected(p, 99, [&](const NumberPool &pool) {
            corePool = pool;
            return NumberListAnswer{NumberListAnswer::Kind::Keep, {}};
        });
        std::vector<int> coreEntries(corePool.entries().begin(), corePool.entries().end());
        std::sort(coreEntries.begin(), coreEntries.end());
        QCOMPARE(shownPool, coreEntries);

        const ComputationResult expected = s.expected(p, 99, [&](const NumberPool &) {
            if (c.choice == Choice::Ok) return NumberListAnswer{NumberListAnswer::Kind::Keep, {}};
            return NumberListAnswer{NumberListAnswer::Kind::Replace, expectedPool};
        });
        QCOMPARE(s.computation().lastResult()->status, c.status);
        QCOMPARE(expected.status, c.status);
        s.compareSheet(expected);
        if (c.list.size() > 6) {
            QCOMPARE(expectedPool.countOf(40), NumberPool::kMaxListWeight);
            QCOMPARE(expectedPool.countOf(21), 1);
            QCOMPARE(expectedPool.countOf(9), 1);
        }
    }
}

void ComputationTest::coupledSpinFields() {
    Session s;
    auto *minEven = s.window->control<QSpinBox>(u"Edit89"_s);
    auto *minOdd = s.window->control<QSpinBox>(u"Edit90"_s);
    auto *maxShared = s.window->control<QSpinBox>(u"Edit39"_s);
    auto *minShared = s.window->control<QSpinBox>(u"Edit88"_s);
    minOdd->setValue(4);
    QTest::mousePress(minEven, Qt::LeftButton);
    QTest::mouseRelease(minEven, Qt::LeftButton);
    QCOMPARE(minEven->maximum(), 2);
    minEven->setValue(1);
    QTest::mousePress(minOdd, Qt::LeftButton);
    QCOMPARE(minOdd->maximum(), 5);

    maxShared->setValue(3);
    minShared->setValue(1);
    QTest::mousePress(maxShared, Qt::LeftButton);
    QCOMPARE(minShared->maximum(), 3);
    QCOMPARE(maxShared->minimum(), 1);
    minShared->setValue(2);
    QTest::mouseRelease(minShared, Qt::LeftButton);
    QCOMPARE(maxShared->minimum(), 2);
}

void ComputationTest::crossSumMinimumNeverAboveMaximum() {
    Session s;
    s.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
    auto *minimum = s.window->control<QSpinBox>(u"Edit37"_s);
    auto *maximum = s.window->control<QSpinBox>(u"Edit38"_s);
    s.window->pages()->setCurrentIndex(1);
    s.window->control<QTabWidget>(u"PageControl2"_s)->setCurrentIndex(2);
    QCOMPARE(minimum->value(), 50);
    QCOMPARE(maximum->value(), 250);
    const auto typeInto = [](QSpinBox *spin, const QString &text) {
        spin->setFocus(Qt::MouseFocusReason);
        spin->selectAll();
        QTest::keyClicks(spin, text);
    };

    // Typed above the maximum: the last digit is refused.
    typeInto(minimum, u"260"_s);
    QCOMPARE(minimum->value(), 26);
    // Stepped up: it stops at the maximum.
    typeInto(minimum, u"245"_s);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(minimum, Qt::Key_Up);
    QCOMPARE(minimum->value(), 250);
    // Typed below the minimum: taken back when the field is left; passing through a low
    // prefix ("2" of "200") moves nothing.
    typeInto(maximum, u"30"_s);
    typeInto(minimum, u"100"_s);
    QCOMPARE(maximum->value(), 250);
    typeInto(maximum, u"200"_s);
    QCOMPARE(minimum->value(), 100);
    QCOMPARE(maximum->value(), 200);
    for (int i = 0; i < 120; ++i)
        QTest::keyClick(maximum, Qt::Key_Down);
    QCOMPARE(maximum->value(), 100);

    // Left, both fields have their full ranges, so settings are taken in any order.
    s.window->pages()->setFocus();
    QCOMPARE(minimum->maximum(), 279);
    QCOMPARE(maximum->minimum(), 21);
    TipParameters p = s.window->tipParameters();
    p.crossSumMin = 260;
    p.crossSumMax = 270;
    s.window->setTipParameters(p);
    QCOMPARE(minimum->value(), 260);
    QCOMPARE(maximum->value(), 270);

    // Settings put there with the minimum above the maximum: the run refuses them before it
    // clears the sheet.
    p.crossSumMin = 270;
    p.crossSumMax = 260;
    s.window->setTipParameters(p);
    s.window->sheet().tipField(0, 0)->setText(u"7"_s);
    const std::size_t askedBefore = s.prompts.asked().size();
    s.prompts.answer(true);
    s.button()->click();
    QCOMPARE(s.prompts.asked().size(), askedBefore + 1);
    QVERIFY(s.prompts.asked().back().text.contains(u"Quersummen-Minimum 270 liegt über dem Maximum 260"_s));
    QCOMPARE(s.window->sheet().tipField(0, 0)->text(), u"7"_s);
    QVERIFY(!s.computation().running());
}

void ComputationTest::closingDuringARunWaitsForTheRestore() {
    Session s;
    TipParameters p = impossibleParameters(30000);
    p.forcePair = true;
    s.computation().showAllParameters(p);
    bool closedEarly = false;
    QTimer::singleShot(200, s.window.get(), [&] {
        s.window->close();
        closedEarly = !s.window->isVisible();
    });
    s.button()->click();
    QVERIFY(!closedEarly);
    QVERIFY(!s.window->isVisible());
    QCOMPARE(s.computation().lastResult()->status, ComputationStatus::Stopped);
    QVERIFY(s.computation().readParameters() == p);
}

void ComputationTest::missingDrawFileEndsTheRunCleanly() {
    Session s;
    s.window->sheet().tipField(0, 0)->setText(u"9"_s);
    std::filesystem::remove(s.window->drawFile().path());
    s.button()->click();
    QCOMPARE(s.prompts.asked().size(), std::size_t(1));
    QCOMPARE(s.prompts.asked().front().kind, Prompts::Kind::Message);
    QVERIFY(!s.computation().running());
    QVERIFY(!s.computation().lastResult());
    QCOMPARE(s.button()->text(), u"Tipps &berechnen"_s);
    QVERIFY(s.window->sheet().checkEnabled());
    QCOMPARE(QString::fromStdString(s.window->tipSheet().rows[0].numbers[0]), u"9"_s); // nothing was cleared
}

QTEST_MAIN(ComputationTest)
#include "computation_test.moc"
