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
#include "app/widgets/numberdialog.h"
#include "app/online/windowonline.h"
#include "app/history/windowupdate.h"
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
    // The dialogs register for the language files in the order of their creation: the print
    // settings, the draw entry dialog, the number dialog.
    m_printDialog = new Spielwahl(m_jokers, m_days, m_random, this);
    registerWindow(m_printDialog);
    m_entryDialog = new LoEingab(this);
    registerWindow(m_entryDialog);
    createComputationFeatures();
    m_update = new WindowUpdate(*this);
    m_online = new WindowOnline(*this);
    createAnalysisFeatures();
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

DrawFile LottoZahlen::drawFile() const {
    return DrawFile::inFolder(std::filesystem::path(m_programFolder.toStdString()));
}

StatisticsWindow LottoZahlen::statisticsWindow() const {
    StatisticsWindow window;
    window.startDate = serialFromDate(m_ui.startDate->date());
    window.endDate = serialFromDate(m_ui.endDate->date());
    window.saturday = m_ui.saturday->isChecked();
    window.wednesday = m_ui.wednesday->isChecked();
    return window;
}

int LottoZahlen::tipCount() const {
    return m_ui.tipCount->value();
}

void LottoZahlen::setReplayNumber(const QString &number) {
    m_replayNumber = number;
    m_ui.replay->setText(replayCaption());
}

QString LottoZahlen::replayCaption() const {
    if (m_replayNumber.isEmpty()) return message(Msg::EnterReplay);
    return message(Msg::ReplayCaption) + QStringLiteral(": ") + m_replayNumber;
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

    restoreSettings();
    const bool messagesRead = selectLanguage(m_language);
    restoreLateSettings();
    setReplayNumber(m_replayNumber);
    m_sheet->setCheckEnabled(true);

    if (m_ui.startDate->date() > QDate::currentDate().addDays(-7))
        m_ui.startDate->setDate(dateFromSerial(kEarliestStartDate));
    if (m_ui.proxyHost->text().isEmpty()) m_ui.proxyPort->setText(QStringLiteral("80"));

    const DrawFile file = drawFile();
    const auto legacy = std::filesystem::path(m_programFolder.toStdString()) / DrawFile::kLegacyFileName;
    if (!file.exists() && std::filesystem::exists(legacy)) {
        if (auto converted = file.convertLegacy(legacy, serialFromDate(QDate::currentDate())); !converted)
            Prompts::message(this, windowTitle(), QString::fromStdString(converted.error().message));
    }
    m_random.seedFromCounter();
    setEndDate(serialFromDate(QDate::currentDate()));
    SpeedButton5Click();
    Q_EMIT frequencyChartWanted();
    reportMessageFile(messagesRead);
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

// The program holds no message text of its own: without a complete message file many captions,
// titles and questions stay empty. Say so once, in technical terms, and go on. A language file
// that is there but refused (a folder, a FIFO, a device, beyond its size limit) is named with
// the reason, in the language where the message table has the words.
void LottoZahlen::reportMessageFile(bool read) {
    if (!m_languageFileProblem.isEmpty()) {
        setStatusText(1, m_languageFileProblem);
        return;
    }
    if (read && m_messages.size() >= kMessageCount) return;
    const QString path = MessageTable::pathFor(m_programFolder, languageCode(m_language));
    setStatusText(1, !read ? m_messages.unreadText(path, m_messages.lastRead())
                           : QStringLiteral("%1: %2 of %3 lines")
                                 .arg(QDir::toNativeSeparators(path))
                                 .arg(m_messages.size())
                                 .arg(kMessageCount));
}

void LottoZahlen::FormClose() {
    saveSettings();
}

void LottoZahlen::closeEvent(QCloseEvent *event) {
    FormClose();
    QMainWindow::closeEvent(event);
}

// ---- draw browser --------------------------------------------------------------------------

void LottoZahlen::setEndDate(DaySerial date) {
    QDateEdit *end = m_ui.endDate;
    const QDate wanted = dateFromSerial(date);
    // The picker rejects dates outside its range; it keeps its value then.
    if (wanted >= end->minimumDate() && wanted <= end->maximumDate()) end->setDate(wanted);
}

WeekdayFilter LottoZahlen::weekdayFilter() const {
    return {m_ui.saturday->isChecked(), m_ui.wednesday->isChecked()};
}

void LottoZahlen::showDraw(Shown how) {
    const BrowsedDraw &current = m_browser.current();
    const Draw &draw = current.draw;
    QString drawLine;
    QString jokerLine;
    QString crossSum;
    // The all-zero record of an empty history is not a draw; its lines stay empty.
    if (draw.date != 0) {
        const QDate date = dateFromSerial(draw.date);
        const std::string weekday =
            QLocale::system().dayName(date.dayOfWeek(), QLocale::ShortFormat).toStdString();
        if (how == Shown::Selected) {
            drawLine = QString::fromStdString(selectedDrawLine(weekday, draw, current.index == 0));
            jokerLine = QString::fromStdString(selectedJokerLine(weekday, draw));
        } else {
            drawLine = QString::fromStdString(steppedDrawLine(weekday, draw));
            jokerLine = QString::fromStdString(steppedJokerLine(weekday, draw));
        }
        crossSum = QString::fromStdString(crossSumText(draw));
    }
    m_ui.drawLine->setText(drawLine);
    m_ui.sheetDrawLine->setText(drawLine);
    m_ui.jokerLine->setText(jokerLine);
    m_ui.crossSum->setText(crossSum);
    setEndDate(draw.date);
}

void LottoZahlen::step(bool back) {
    const DrawFile file = drawFile();
    const WeekdayFilter filter = weekdayFilter();
    auto stepped = back ? m_browser.stepBack(file, filter) : m_browser.stepForward(file, filter);
    if (!stepped) {
        Prompts::message(this, windowTitle(), QString::fromStdString(stepped.error().message));
        return;
    }
    showDraw(Shown::Stepped);
    Komplettcheck();
}

void LottoZahlen::SpeedButton5Click() {
    const DrawFile file = drawFile();
    if (!file.exists()) {
        Prompts::message(this, windowTitle(), QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
        if (auto created = file.createEmpty(); !created)
            Prompts::message(this, windowTitle(), QString::fromStdString(created.error().message));
        return;
    }
    const DaySerial endDate = serialFromDate(m_ui.endDate->date());
    if (auto selected = m_browser.selectForEndDate(file, endDate); !selected) {
        Prompts::message(this, windowTitle(), QString::fromStdString(selected.error().message));
        return;
    }
    showDraw(Shown::Selected);
    Komplettcheck();
    // A write cut off by a crash leaves part of a record; every reader skips it. Say so, in the
    // technical terms of the other file reports, since the next append will overwrite it.
    if (const std::uintmax_t torn = file.tornTailSize(); torn > 0)
        setStatusText(1, QStringLiteral("%1: %2 bytes after the last whole draw ignored")
                             .arg(QDir::toNativeSeparators(QString::fromStdString(file.path().string())))
                             .arg(torn));
}

void LottoZahlen::SpeedButton6Click() {
    step(true);
}

void LottoZahlen::SpeedButton7Click() {
    step(false);
}

void LottoZahlen::LosnummerClick() {
    const auto answer = Prompts::input(this, message(Msg::EnterReplay),
                                       message(Msg::ReplayCaption) + QStringLiteral(": "), m_replayNumber);
    if (!answer) return;
    m_replayNumber = *answer;
    m_ui.replay->setText(message(Msg::ReplayCaption) + QStringLiteral(": ") + m_replayNumber);
}

// ---- menu and links ------------------------------------------------------------------------

void LottoZahlen::Berechnen1Click() {
    m_computation->computeOrStop();
}

void LottoZahlen::Aktualisieren1Click() {
    m_update->QuintoraClick();
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

// ---- tip sheet, computation, charts, analyses --------------------------------------------

void LottoZahlen::createSheetFeatures() {
    TipSheetSources sheetSources;
    sheetSources.currentDraw = [this] { return currentDraw(); };
    sheetSources.replayNumber = [this] { return m_replayNumber; };
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
    fileSources.openDocument = [this](const QString &path) { openDocument(path); };
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
    sources.currentDraw = [this] { return m_browser.current(); };
    sources.showSteppedDraw = [this](const BrowsedDraw &draw) {
        m_browser.setCurrent(draw);
        showDraw(Shown::Stepped);
    };
    sources.showComparedDraw = [this](const Draw &draw) {
        BrowsedDraw current = m_browser.current();
        current.draw.date = draw.date;
        current.draw.numbers = draw.numbers;
        current.draw.bonus = draw.bonus;
        current.draw.lucky = draw.lucky;
        m_browser.setCurrent(current);
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
    sources.openDocument = [this](const QString &path) { openDocument(path); };
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

void LottoZahlen::setFileChooser(FileChooser chooser) {
    m_chooseFile = chooser;
    m_tipFiles->setFileChooser(std::move(chooser));
}

void LottoZahlen::openDocument(const QString &path) {
    if (m_openDocument) {
        m_openDocument(path);
        return;
    }
    // A viewer that cannot be started is not reported.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace quorix
