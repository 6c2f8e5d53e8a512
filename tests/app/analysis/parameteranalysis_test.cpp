// The window's parameter analysis through its seed box: the walk itself is tested in core; here
// the box, the stop, the report file and the state the window is left in must be what it gives.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/mainwindow/mainwindow.h"
#include "app/widgets/uihelpers.h"
#include "app/computation/tipcomputation.h"
#include "appfixture.h"
#include "core/analysis/parameteranalysis.h"
#include "core/history/samplehistory.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;

namespace {

const std::vector<Draw> &history() {
    static const std::vector<Draw> draws = makeSampleHistory(serialFromYmd(2024, 6, 29), 12);
    return draws;
}

const QDate kFrom(2024, 1, 8);
// A fixed today, so the walk does not depend on the day the test runs.
const DaySerial kToday = serialFromYmd(2026, 12, 11);

} // namespace

class ParameterAnalysisTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void walksWithTheAnsweredSeedAndShowsTheLastTurn();
    void theProposedSeedAndNegativeOnesAreTaken();
    void cancelEndsQuietlyANonIntegerSeedReportsFailure();
    void stopEndsAfterTheTurnAndStillReports_data();
    void stopEndsAfterTheTurnAndStillReports();
    void closingDuringTheWalkStopsItThenCloses();
    void reportReplacesWhatIsPlantedUnderItsName();

private:
    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<PromptScript> m_prompts;
    std::unique_ptr<LottoZahlen> m_window;
    // The current folder during a test: not the program folder, so nothing may land here.
    std::unique_ptr<QTemporaryDir> m_current;
    QString m_oldCurrent;
    QStringList m_opened;

    LottoZahlen &start() {
        m_home->writeDraws(history());
        m_window = std::make_unique<LottoZahlen>();
        m_window->setDocumentOpener([this](const QString &path) { m_opened << path; });
        m_window->setToday([] { return kToday; });
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get())) qFatal("window not exposed");
        m_window->ui().endDate->setDate(kFrom);
        return *m_window;
    }
    QCheckBox *numberListBox() const { return m_window->control<QCheckBox>(u"CheckBox20"_s); }
    QString reportPath() const { return QDir(m_home->path()).filePath(u"Test.txt"_s); }
    QString report() const {
        QFile file(reportPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // The walk core gives for the window's settings as they stand.
    ParameterAnalysis expectedWalk(std::uint32_t seed) const {
        ParameterAnalysisRequest rq;
        const ComputationRequest settings = m_window->computation().requestFor(history());
        rq.startDate = settings.startDate;
        rq.fromDate = serialFromDate(kFrom);
        rq.today = kToday;
        rq.parameters = settings.parameters;
        rq.sheet = settings.sheet;
        rq.seed = seed;
        Random random(0);
        return *analyseParameters(history(), rq, random);
    }
    ParameterReportTexts texts() const {
        return {m_window->message(Msg::ParameterAnalysisTitle).toStdString(),
                m_window->message(Msg::Draws).toStdString(),
                m_window->message(Msg::AnalysisStopped).toStdString(),
                m_window->message(Msg::ChanceTitle).toStdString()};
    }
    void analyse() { QTest::mouseClick(m_window->control(u"BitBtn9"_s), Qt::LeftButton); }
};

void ParameterAnalysisTest::init() {
    m_home = std::make_unique<TempHome>();
    m_prompts = std::make_unique<PromptScript>();
    m_oldCurrent = QDir::currentPath();
    m_current = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_current->path());
    m_opened.clear();
}

void ParameterAnalysisTest::cleanup() {
    m_window.reset();
    m_prompts.reset();
    QDir::setCurrent(m_oldCurrent);
    QVERIFY2(QDir(m_current->path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             "something was written to the current folder");
    m_current.reset();
    m_home.reset();
}

void ParameterAnalysisTest::walksWithTheAnsweredSeedAndShowsTheLastTurn() {
    LottoZahlen &window = start();
    QVERIFY(window.ui().parameterAnalysis->isEnabled());
    QVERIFY(window.ui().recomputeAfterWin->isEnabled());
    numberListBox()->setChecked(true);
    const ParameterAnalysis expected = expectedWalk(4711);
    const QString preset = QString::number(window.random().state());
    m_prompts->answer(true, u"4711"_s);
    analyse();

    const auto &asked = m_prompts->asked();
    QCOMPARE(asked.size(), std::size_t{1});
    QCOMPARE(asked[0].kind, Prompts::Kind::Input);
    QCOMPARE(asked[0].caption, window.message(Msg::SeedPrompt) + u" (1-99999999)?"_s);
    QCOMPARE(asked[0].text, window.message(Msg::SeedCaption));
    QCOMPARE(asked[0].preset, preset);
    QCOMPARE(window.statusPanel(1)->text(), window.message(Msg::SeedCaption) + u" 4711"_s);

    QCOMPARE(m_opened, QStringList{reportPath()});
    QVERIFY(expected.turns > 20);
    QCOMPARE(report(), QString::fromStdString(parameterReportText(expected, texts())));
    QVERIFY(report().startsWith(u"Historische Analyse der Parameter\r\n0x\t=>\t"_s));

    // The last turn's draw is current, the sheet holds the last computation's tips, checked.
    QCOMPARE(window.ui().endDate->date(), dateFromSerial(history().back().date));
    QCOMPARE(window.currentDraw(), history().back());
    for (int r = 0; r < kTipRowCount; ++r)
        for (int c = 0; c < kNumbersPerTip; ++c)
            QCOMPARE(
                window.sheet().tipField(r, c)->text(),
                QString::fromStdString(
                    expected.sheet.rows[static_cast<std::size_t>(r)].numbers[static_cast<std::size_t>(c)]));
    const std::array<JokerTicket, 3> noJokers{};
    QVERIFY(window.sheet().hitTally() ==
            komplettcheck(true, expected.sheet, {}, {}, history().back(), noJokers).tally);
    QVERIFY(numberListBox()->isChecked());
    QVERIFY(window.sheet().checkEnabled());
    QVERIFY(!window.computation().running());
}

void ParameterAnalysisTest::theProposedSeedAndNegativeOnesAreTaken() {
    LottoZahlen &window = start();
    // A state above the largest int: OK on the proposal walks all the same.
    window.random().seed(4000000000U);
    m_prompts->answer(true, u"4000000000"_s);
    analyse();
    QCOMPARE(m_prompts->asked().at(0).preset, u"4000000000"_s);
    QCOMPARE(report(), QString::fromStdString(parameterReportText(expectedWalk(4000000000U), texts())));
    // A negative answer is taken as its 32-bit pattern.
    window.ui().endDate->setDate(kFrom);
    m_prompts->answer(true, u"-5"_s);
    analyse();
    QCOMPARE(m_prompts->asked().size(), std::size_t{2});
    QCOMPARE(window.statusPanel(1)->text(), window.message(Msg::SeedCaption) + u" -5"_s);
    QCOMPARE(report(), QString::fromStdString(parameterReportText(expectedWalk(4294967291U), texts())));
}

void ParameterAnalysisTest::cancelEndsQuietlyANonIntegerSeedReportsFailure() {
    LottoZahlen &window = start();
    numberListBox()->setChecked(true);
    m_prompts->answer(false);
    analyse();
    m_prompts->answer(true, u"vier"_s);
    analyse();
    const auto &asked = m_prompts->asked();
    QCOMPARE(asked.size(), std::size_t{3});
    QCOMPARE(asked[1].kind, Prompts::Kind::Input);
    QCOMPARE(asked[2].kind, Prompts::Kind::Message);
    QCOMPARE(asked[2].text, window.message(Msg::AnalysisFailed));
    QVERIFY(!QFile::exists(reportPath()));
    QVERIFY(m_opened.isEmpty());
    QVERIFY(numberListBox()->isChecked());
    // The draw for the chosen date became current before the box was asked.
    QCOMPARE(window.ui().endDate->date(), QDate(2024, 1, 10));
}

void ParameterAnalysisTest::stopEndsAfterTheTurnAndStillReports_data() {
    QTest::addColumn<bool>("shortcut");
    QTest::newRow("the compute button") << false;
    QTest::newRow("Ctrl+R") << true;
}

void ParameterAnalysisTest::stopEndsAfterTheTurnAndStillReports() {
    QFETCH(bool, shortcut);
    LottoZahlen &window = start();
    QPushButton *compute = window.computation().computeButton();
    const QString idle = compute->text();
    QString during;
    // Runs at the first turn's progress, while the walk lets events through.
    QTimer::singleShot(0, &window, [&] {
        during = compute->text();
        if (shortcut)
            QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
        else
            compute->click();
    });
    m_prompts->answer(true, u"99"_s);
    analyse();

    QCOMPARE(during, window.message(Msg::Stop));
    QCOMPARE(compute->text(), idle);
    QCOMPARE(m_opened, QStringList{reportPath()});
    const QStringList lines = report().split(u"\r\n"_s);
    QCOMPARE(lines.value(15), u"1 "_s + window.message(Msg::Draws));
    QCOMPARE(lines.value(16), window.message(Msg::AnalysisStopped) + u" 13.01.2024"_s);
    QCOMPARE(window.currentDraw().date, serialFromYmd(2024, 1, 13));
    QVERIFY(!window.computation().running());
}

void ParameterAnalysisTest::closingDuringTheWalkStopsItThenCloses() {
    LottoZahlen &window = start();
    numberListBox()->setChecked(true);
    bool ranWhileOpen = false;
    QTimer::singleShot(0, &window, [&] {
        window.close();
        ranWhileOpen = window.isVisible() && window.computation().running();
    });
    m_prompts->answer(true, u"3"_s);
    analyse();
    QVERIFY(ranWhileOpen);
    QVERIFY(!window.isVisible());
    QVERIFY(report().contains(window.message(Msg::AnalysisStopped)));
    // The settings were written with the number list's box as the user left it.
    QVERIFY(numberListBox()->isChecked());
    QFile settings(m_home->settingsFile());
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray stored = settings.readAll();
    QVERIFY2(QString::fromUtf8(stored).contains(QRegularExpression(u"\"Chekcbox20\":\\s*(1|true)"_s)),
             stored.constData());
}

// Test.txt is replaced as a whole: a link planted under its name is replaced and its target left
// as it was; what cannot be replaced (a folder) is named in a box and no report is opened.
void ParameterAnalysisTest::reportReplacesWhatIsPlantedUnderItsName() {
    LottoZahlen &window = start();
    QTemporaryDir elsewhere;
    const QString foreign = elsewhere.filePath(u"foreign.txt"_s);
    {
        QFile file(foreign);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not yours");
    }
    QVERIFY(QFile::link(foreign, reportPath()));
    m_prompts->answer(true, u"4711"_s);
    analyse();
    QCOMPARE(m_opened, QStringList{reportPath()});
    QVERIFY(!QFileInfo(reportPath()).isSymLink());
    QCOMPARE(report(), QString::fromStdString(parameterReportText(expectedWalk(4711), texts())));
    QFile target(foreign);
    QVERIFY(target.open(QIODevice::ReadOnly));
    QCOMPARE(target.readAll(), QByteArray("not yours"));

    QVERIFY(QFile::remove(reportPath()));
    QVERIFY(QDir().mkpath(reportPath() + u"/inside"_s));
    m_opened.clear();
    window.ui().endDate->setDate(kFrom);
    m_prompts->answer(true, u"4711"_s);
    analyse();
    const auto &asked = m_prompts->asked();
    QCOMPARE(asked.size(), std::size_t{3});
    QCOMPARE(asked[2].kind, Prompts::Kind::Message);
    QVERIFY2(asked[2].text.contains(reportPath()), qPrintable(asked[2].text));
    QVERIFY(m_opened.isEmpty());
    QVERIFY(QFileInfo(reportPath() + u"/inside"_s).isDir());
}

QTEST_MAIN(ParameterAnalysisTest)
#include "parameteranalysis_test.moc"
