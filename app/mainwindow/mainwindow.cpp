#include "app/language/errortext.h"
#include "app/mainwindow/mainwindow.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QChartView>
#include <QCloseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QMenuBar>
#include <QResizeEvent>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QUrl>

#include "app/mainwindow/controlnames.h"
#include "app/mainwindow/controltables.h"
#include "app/history/drawentrydialog.h"
#include "app/language/messagetable.h"
#include "app/platform/programfolder.h"
#include "app/widgets/prompts.h"
#include "app/platform/soundplayer.h"
#include "app/printing/printsettingsdialog.h"
#include "app/charts/statisticschart.h"
#include "app/online/scriptchoicedialog.h"
#include "app/widgets/numberdialog.h"
#include "app/widgets/uihelpers.h"

namespace quorix {

namespace {

constexpr int kFontPixels = 13;
constexpr char kSoundFile[] = "yippee.wav";

// The menu's shortcuts come before a field's own keys: Ctrl+A pressed in a tip field starts the
// update, as the menu says, instead of selecting the field's text.
class MenuShortcutsFirst final : public QObject {
public:
    explicit MenuShortcutsFirst(QMainWindow &window)
        : QObject(&window)
        , m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != &m_window) return false;
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *action : m_window.menuBar()->actions()) {
            if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed) {
                // Left unaccepted, the key goes to the shortcut instead of the field.
                event->ignore();
                return true;
            }
        }
        return false;
    }

private:
    QMainWindow &m_window;
};

} // namespace

LottoZahlen::LottoZahlen(QWidget *parent)
    : QMainWindow(parent)
    , m_sound(new SoundPlayer(this)) {
    setObjectName(QStringLiteral("LottoZahlen"));
    setWindowTitle(QStringLiteral("Sorvanis Quintora  6 aus 42 Swiss"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kFontPixels);
    setFont(font);

    buildMenu();
    m_pages = new QTabWidget;
    addControl(m_pages, QString::fromLatin1(controlname::kPages));
    m_pages->addTab(buildLottotipp(), QStringLiteral("Lottotipp"));
    m_pages->addTab(buildBerechnung(), QStringLiteral("Berechnung"));
    m_pages->addTab(buildDiagramm(), QStringLiteral("Diagramm"));
    m_pages->addTab(buildDatenbank(), QStringLiteral("Datenbank"));
    m_pages->addTab(buildJoker(), QStringLiteral("Joker"));
    m_pages->addTab(buildInternet(), QStringLiteral("Internet-Optionen"));
    for (int i = 0; i < m_pages->count(); ++i)
        addControl(m_pages->widget(i), QString::fromLatin1(controlname::kPageNames[i]));
    m_pages->setCurrentIndex(0);
    setCentralWidget(m_pages);
    buildStatusBar();

    createSheetFeatures();

    resize(sizeHint().expandedTo(QSize(609, 504)));
    m_replay = new ReplayNumber(*this, m_ui.replay, m_messages);
    // The dialogs register for the language files in the order of their creation: the print
    // settings, the draw entry dialog, the number dialog, the script choice.
    createPrinting();
    createHistory();
    createComputationFeatures();
    createUpdate();
    createOnline();
    createAnalysisFeatures();
    createLanguage();
    createSettings();
    connect(this, &LottoZahlen::languageChanged, this, &LottoZahlen::alignLeadingColumns);
    QCoreApplication::instance()->installEventFilter(new MenuShortcutsFirst(*this));
}

// The helpers go first: they watch controls that the window's base destroys.
LottoZahlen::~LottoZahlen() {
    delete m_online;
    delete m_update;
    delete m_repetitionAnalysis;
    delete m_parameterAnalysis;
    delete m_search;
    delete m_computation;
    delete m_charts;
    delete m_history;
    delete m_printing;
    delete m_replay;
    delete m_languageLoader;
    delete m_tipFiles;
    delete m_sheet;
}

QWidget *LottoZahlen::control(const QString &name) const {
    return m_controls.value(name);
}

QAction *LottoZahlen::action(const QString &name) const {
    return m_actions.value(name);
}

void LottoZahlen::showPage(Page page) {
    m_pages->setCurrentIndex(static_cast<int>(page));
}

QLabel *LottoZahlen::statusPanel(int index) const {
    return m_status.at(static_cast<std::size_t>(index));
}

void LottoZahlen::setStatusText(int panel, const QString &text) {
    // The panel shows what fits of a long hint; its tooltip shows all of it.
    statusPanel(panel)->setText(text);
    statusPanel(panel)->setToolTip(text);
}

int LottoZahlen::tipCount() const {
    return m_ui.tipCount->value();
}

// ---- start-up ------------------------------------------------------------------------------

// The start-up runs once the window is on screen, not from its show event: a box it asks (no
// history yet) would otherwise stand on an empty screen before the window appears.
void LottoZahlen::setVisible(bool visible) {
    QMainWindow::setVisible(visible);
    if (visible && !m_started) FormShow();
}

void LottoZahlen::FormShow() {
    if (m_started) return;
    m_started = true;
    fixProcessFormats();
    m_lastHeight = height();
    m_programFolder = ProgramFolder::resolve();
    m_sound->setFile(QDir(m_programFolder).filePath(QString::fromLatin1(kSoundFile)));
    m_sheet->setCheckEnabled(false);

    const int language = m_settings->restore();
    const bool messagesRead = selectLanguage(language);
    setReplayNumber(m_settings->restoreLate().value_or(replayNumber()));
    m_sheet->setCheckEnabled(true);

    m_ui.startDate->setDate(
        dateFromSerial(startDateAtStartUp(serialFromDate(m_ui.startDate->date()), m_today())));
    if (m_ui.proxyHost->text().isEmpty()) m_ui.proxyPort->setText(QStringLiteral("80"));

    const DrawFile file = drawFile();
    const auto legacy = std::filesystem::path(m_programFolder.toStdString()) / DrawFile::kLegacyFileName;
    if (!file.exists() && std::filesystem::exists(legacy)) {
        if (auto converted = file.convertLegacy(legacy, m_today()); !converted)
            Prompts::message(this, windowTitle(), errorText(m_messages, converted.error()));
    }
    m_random.seedFromCounter();
    setEndDate(m_today());
    SpeedButton5Click();
    Q_EMIT frequencyChartWanted();
    m_languageLoader->reportMessageFile(messagesRead);
    runCommandLine();
}

// Numbers read and shown by the program use "," for decimals and "." for thousands whatever the
// user's locale (fees such as "0,50" are typed that way); amounts of money read "1,00 CHF"-like,
// the amount, a blank, the sign. Dates are always "dd.mm.yyyy": the pickers carry that format and
// the draw lines are formatted explicitly. Weekday names keep following the user's locale
// (QLocale::system()).
void LottoZahlen::fixProcessFormats() {
    QLocale formats(QLocale::German, QLocale::Germany);
    formats.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale::setDefault(formats);
}

void LottoZahlen::FormClose() {
    // A window whose start-up never ran holds design values, not the player's settings.
    if (m_started) m_settings->save(languageIndex(), replayNumber());
}

void LottoZahlen::closeEvent(QCloseEvent *event) {
    FormClose();
    QMainWindow::closeEvent(event);
}

// ---- menu and links ------------------------------------------------------------------------

void LottoZahlen::Berechnen1Click() {
    m_computation->computeOrStop();
}

void LottoZahlen::Schlieen1Click() {
    close();
}

void LottoZahlen::Label43Click() {
    Label52Click(QStringLiteral("https://www.sorvani.example/quorix/"));
}

void LottoZahlen::Label52Click(const QString &address) {
    // A failing open is not reported.
    QDesktopServices::openUrl(QUrl(address));
}

// ---- frame ---------------------------------------------------------------------------------

void LottoZahlen::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    // FormResize: height changes scale the tab area by new / remembered height; width alone not.
    if (!m_started || m_lastHeight <= 0 || event->size().height() == m_lastHeight) return;
    m_scale = m_scale * event->size().height() / m_lastHeight;
    m_lastHeight = event->size().height();
    applyScale();
}

// The tab area takes the scale of the heights, but never more than the window's width holds:
// a tall, narrow window would otherwise push the right-hand column out of sight.
void LottoZahlen::applyScale() {
    double scale = m_scale;
    setTabAreaScale(scale);
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int needed = m_pages->minimumSizeHint().width();
        const int available = centralWidget()->width();
        if (needed <= available || needed <= 0) break;
        scale *= static_cast<double>(available) / needed;
        setTabAreaScale(scale);
    }
}

void LottoZahlen::setTabAreaScale(double scale) {
    m_appliedScale = scale;
    QFont font = m_pages->font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(kFontPixels * scale))));
    m_pages->setFont(font);
    for (QWidget *widget : m_pages->findChildren<QWidget *>()) {
        const QVariant width = widget->property("designWidth");
        if (width.isValid()) widget->setFixedWidth(static_cast<int>(std::lround(width.toInt() * scale)));
    }
}

bool LottoZahlen::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::HoverEnter) {
        if (auto *widget = qobject_cast<QWidget *>(watched);
            widget && !widget->toolTip().isEmpty() && !qobject_cast<QLineEdit *>(widget))
            setStatusText(1, widget->toolTip());
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- the features of the history, printing, online, language, settings ----------------------

// A tip file that cannot be read was reported by the load; the window then stays open, since
// there is nothing to print. Otherwise the window closes once the printing returns, however its
// dialog ended.
void LottoZahlen::runCommandLine() {
    if (m_commandLineTips.isEmpty()) return;
    if (!Textladen(m_commandLineTips)) return;
    m_printing->printTicket();
    close();
}

void LottoZahlen::createPrinting() {
    m_printing =
        new TicketPrinting(*this, m_printButton, m_messages, m_jokers, m_random,
                           {[this] { return tipSheet(); }, [this] { return tipParameters().jokerOption; },
                            [this] { return m_history->drawFile(); }, [this] { return m_programFolder; },
                            [this] { return m_today(); }});
    registerWindow(&m_printing->dialog());
}

void LottoZahlen::createOnline() {
    m_online = new OnlineHandover(*this, m_onlineButton, m_messages, m_jokers,
                                  {[this] { return m_programFolder; }, [this] { return tipSheet(); },
                                   [this] { return m_printing->ticketDays(); }},
                                  [this] { return m_today(); });
    registerWindow(&m_online->dialog());
    m_printing->setOnlineRoute([this] { m_online->handOver(); });
}

void LottoZahlen::setFileChooser(const FileChooser &chooser) {
    m_chooseFile = chooser;
    m_history->setFileChooser(chooser);
    m_printing->setFileChooser(chooser);
    m_languageLoader->setFileChooser(chooser);
    m_tipFiles->setFileChooser(chooser);
}

void LottoZahlen::createSettings() {
    const WindowSettings::Controls controls{m_ui.saturday, m_ui.wednesday};
    const WindowSettings::Values values{this, &m_printing->printSettings(), &m_jokers};
    m_settings = std::make_unique<WindowSettings>([this](const QString &name) { return control(name); },
                                                  controls, values, m_messages);
}

void LottoZahlen::createLanguage() {
    LanguageLoader::Windows windows;
    windows.main = this;
    windows.controls = &m_controlOrder;
    windows.control = [this](const QString &name) { return control(name); };
    windows.dialogs = &m_windows;
    m_languageLoader = new LanguageLoader(
        windows, m_languageMenu, m_messages, [this] { return m_programFolder; },
        [this](int panel, const QString &text) { setStatusText(panel, text); });
    m_languageLoader->setFileChooser(m_chooseFile);
    // Texts built from messages follow the language at once: the Replay caption first.
    connect(m_languageLoader, &LanguageLoader::languageChanged, m_replay, &ReplayNumber::showCaption);
    connect(m_languageLoader, &LanguageLoader::languageChanged, this, &LottoZahlen::languageChanged);
}

void LottoZahlen::createHistory() {
    DrawHistoryPanel::Controls &controls = m_historyControls;
    controls.drawLine = m_ui.drawLine;
    controls.sheetDrawLine = m_ui.sheetDrawLine;
    controls.jokerLine = m_ui.jokerLine;
    controls.crossSum = m_ui.crossSum;
    controls.saturday = m_ui.saturday;
    controls.wednesday = m_ui.wednesday;
    controls.startDate = m_ui.startDate;
    controls.endDate = m_ui.endDate;
    m_history = new DrawHistoryPanel(
        *this, controls, m_messages, [this] { return m_programFolder; },
        [this](int panel, const QString &text) { setStatusText(panel, text); }, [this] { Komplettcheck(); });
    registerWindow(&m_history->entryDialog());
}

void LottoZahlen::createUpdate() {
    DrawUpdater::Controls controls;
    controls.update = m_ui.update;
    controls.sheetUpdate = m_ui.sheetUpdate;
    controls.stopUpdate = m_ui.stopUpdate;
    controls.updateItem = action(QString::fromLatin1(controlname::kUpdateAction));
    controls.server = m_ui.server;
    controls.proxyHost = m_ui.proxyHost;
    controls.proxyPort = m_ui.proxyPort;
    controls.endDate = m_ui.endDate;
    controls.drawLine = m_ui.drawLine;
    controls.sheetDrawLine = m_ui.sheetDrawLine;
    controls.jokerLine = m_ui.jokerLine;
    controls.crossSum = m_ui.crossSum;
    m_update = new DrawUpdater(
        *this, controls, m_messages,
        {[this] { return m_history->drawFile(); }, [this] { m_history->showSelectedDraw(); }},
        [this](int panel, const QString &text) { setStatusText(panel, text); }, [this] { return m_today(); });
}

// ---- tip sheet, computation, charts, analyses --------------------------------------------

void LottoZahlen::createSheetFeatures() {
    TipSheetSources sheetSources;
    sheetSources.currentDraw = [this] { return currentDraw(); };
    sheetSources.replayNumber = [this] { return replayNumber(); };
    sheetSources.jokerTickets = [this] { return m_jokers.tickets; };
    sheetSources.playWinSound = [this] { m_sound->play(); };
    m_sheet = new TipSheetPanel(m_sheetControls, m_messages, std::move(sheetSources), this);
    connect(m_clearTips, &QAbstractButton::clicked, m_sheet, &TipSheetPanel::askAndClear);

    TipFileSources fileSources;
    fileSources.parent = this;
    fileSources.programFolder = [this] { return m_programFolder; };
    fileSources.sheet = [this] { return m_sheet->sheet(); };
    fileSources.loadSheet = [this](const TipSheet &sheet) { m_sheet->load(sheet); };
    fileSources.evaluate = [this] { SpeedButton5Click(); };
    fileSources.endDate = [this] { return serialFromDate(m_ui.endDate->date()); };
    fileSources.weekdays = [this] { return weekdayFilter(); };
    fileSources.currentDraw = [this] { return currentDraw(); };
    fileSources.openDocument = [this](const QString &path) { showWrittenDocument(path); };
    m_tipFiles = new TipFiles(
        m_messages, [this] { return m_today(); }, std::move(fileSources), this);
    connect(m_saveTips, &QAbstractButton::clicked, m_tipFiles, &TipFiles::save);
    connect(m_loadTips, &QAbstractButton::clicked, m_tipFiles, &TipFiles::open);
    connect(m_tipList, &QAbstractButton::clicked, m_tipFiles, &TipFiles::showTipList);
}

void LottoZahlen::createComputationFeatures() {
    m_runState = new RunState(this);
    // The sheet's check waits while a run (or a walk of runs) writes rows.
    connect(m_runState, &RunState::changed, this,
            [this] { m_sheet->setCheckEnabled(!m_runState->running()); });

    ChartsControls chartControls;
    chartControls.statisticsChart = m_ui.statisticsChart;
    chartControls.jokerChart = m_ui.jokerChart;
    chartControls.statistics = chartTriggers();
    chartControls.distribution = m_ui.distribution;
    chartControls.jokerPositions = m_ui.jokerPositions;
    chartControls.jokerOften = m_ui.jokerOften;
    chartControls.startDate = m_ui.startDate;
    ChartsSources chartSources;
    chartSources.window = this;
    chartSources.statisticsWindow = [this] { return statisticsWindow(); };
    chartSources.drawFile = [this] { return drawFile().path(); };
    chartSources.endDate = [this] { return serialFromDate(m_ui.endDate->date()); };
    chartSources.sheet = [this] { return m_sheet->sheet(); };
    chartSources.showChartPage = [this] { showPage(Page::Chart); };
    m_charts = new ChartsPanel(std::move(chartControls), m_messages, m_random, std::move(chartSources), this);
    registerWindow(&m_charts->numberDialog());
    m_charts->numberDialog().setToday([this] { return m_today(); });
    connect(this, &LottoZahlen::frequencyChartWanted, &m_charts->controller(),
            &ChartController::SpeedButton2Click);
    connect(this, &LottoZahlen::languageChanged, m_charts, &ChartsPanel::retranslate);
    m_sheet->setTipEditor([this](const QString &caption, const std::vector<int> &ticked) {
        return m_charts->numberDialog().editTip(caption, ticked, message(Msg::NumberListTitle));
    });

    ComputationControls controls;
    controls.parameters = m_parameterControls;
    controls.compute = m_ui.compute;
    controls.seed = m_ui.seed;
    controls.minEven = m_ui.minEven;
    controls.minOdd = m_ui.minOdd;
    controls.maxShared = m_ui.maxShared;
    controls.minShared = m_ui.minShared;
    controls.minCrossSum = m_ui.minCrossSum;
    controls.maxCrossSum = m_ui.maxCrossSum;
    ComputationSources sources;
    sources.window = this;
    sources.drawFile = [this] { return drawFile(); };
    sources.statisticsWindow = [this] { return statisticsWindow(); };
    sources.sheet = [this] { return m_sheet->sheet(); };
    sources.clearSheet = [this] { m_sheet->clearUnlocked(); };
    sources.showRow = [this](int row, const ComputedRow &computed) {
        m_sheet->showComputedRow(row - 1, computed);
    };
    sources.evaluate = [this] {
        SpeedButton5Click();
        m_sheet->check();
    };
    sources.showSheetPage = [this] { showPage(Page::TipSheet); };
    sources.showChartPage = [this] { showPage(Page::Chart); };
    sources.showStatistic = [this](const NumberStatistics &statistics) {
        m_charts->chart().show(statistics);
    };
    sources.setStatus = [this](const QString &text) { setStatusText(1, text); };
    sources.designCaption = QString::fromUtf8(findButton(controlname::kCompute)->caption);
    m_computation = new TipComputation(std::move(controls), m_messages, *m_runState, m_random,
                                       m_charts->numberDialog(), std::move(sources), this);
    connect(this, &LottoZahlen::languageChanged, m_computation, &TipComputation::showRunState);
}

AnalysisSources LottoZahlen::analysisSources() {
    AnalysisSources sources;
    sources.window = this;
    sources.drawFile = [this] { return drawFile(); };
    sources.programFolder = [this] { return m_programFolder; };
    sources.statisticsWindow = [this] { return statisticsWindow(); };
    sources.weekdays = [this] { return weekdayFilter(); };
    sources.endDate = [this] { return serialFromDate(m_ui.endDate->date()); };
    sources.setEndDate = [this](DaySerial date) { setEndDate(date); };
    sources.evaluate = [this] { SpeedButton5Click(); };
    sources.currentDraw = [this] { return browser().current(); };
    sources.showSteppedDraw = [this](const BrowsedDraw &draw) {
        browser().setCurrent(draw);
        showDraw(Shown::Stepped);
    };
    sources.showComparedDraw = [this](const Draw &draw) {
        BrowsedDraw current = browser().current();
        current.draw.date = draw.date;
        current.draw.numbers = draw.numbers;
        current.draw.bonus = draw.bonus;
        current.draw.lucky = draw.lucky;
        browser().setCurrent(current);
        const QString weekday =
            QLocale::system().dayName(dateFromSerial(draw.date).dayOfWeek(), QLocale::ShortFormat);
        const QString line = QString::fromStdString(steppedDrawLine(weekday.toStdString(), draw));
        m_ui.drawLine->setText(line);
        m_ui.sheetDrawLine->setText(line);
        m_ui.crossSum->setText(QString::fromStdString(crossSumText(draw)));
    };
    sources.sheet = [this] { return m_sheet->sheet(); };
    sources.checkSheet = [this] { m_sheet->check(); };
    sources.showRowHits = [this](int row, const TipMatch &match) { m_sheet->showSearchHits(row, match); };
    sources.showSheetRows = [this](const TipSheet &sheet) { m_sheet->showRows(sheet); };
    sources.clearUnlockedUnchecked = [this] { m_sheet->clearUnlockedUnchecked(); };
    sources.showDrawInRowOne = [this](const Draw &draw) { m_sheet->showDrawInRowOne(draw); };
    sources.clearChart = [this] { m_charts->chart().clear(); };
    sources.showSheetPage = [this] { showPage(Page::TipSheet); };
    sources.setStatus = [this](int panel, const QString &text) { setStatusText(panel, text); };
    sources.openDocument = [this](const QString &path) { showWrittenDocument(path); };
    return sources;
}

void LottoZahlen::createAnalysisFeatures() {
    m_search = new TipSearchAnalysis(m_messages, analysisSources(), this);
    connect(m_searchButton, &QAbstractButton::clicked, m_search, &TipSearchAnalysis::search);
    m_parameterAnalysis = new ParameterAnalysisRun(
        {m_parameterControls.checkBox("showNumberList"), m_ui.recomputeAfterWin}, m_messages, *m_runState,
        m_random, [this] { return m_today(); },
        [this](std::span<const Draw> draws) { return m_computation->requestFor(draws); }, analysisSources(),
        this);
    connect(m_ui.parameterAnalysis, &QAbstractButton::clicked, m_parameterAnalysis,
            &ParameterAnalysisRun::run);
    m_repetitionAnalysis = new RepetitionAnalysisRun(m_messages, analysisSources(), this);
    connect(m_repetitionButton, &QAbstractButton::clicked, m_repetitionAnalysis, &RepetitionAnalysisRun::run);
}

TipParameters LottoZahlen::tipParameters() const {
    return m_parameterControls.read();
}

void LottoZahlen::setTipParameters(const TipParameters &parameters) {
    m_parameterControls.write(parameters);
}

TipSheet LottoZahlen::tipSheet() const {
    return m_sheet->sheet();
}

void LottoZahlen::Komplettcheck() {
    m_sheet->check();
}

bool LottoZahlen::Textladen(const QString &path) {
    return m_tipFiles->load(path);
}

void LottoZahlen::showWrittenDocument(const QString &path) {
    if (m_openDocument) {
        m_openDocument(path);
        return;
    }
    // A viewer that cannot be started is not reported.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace quorix
