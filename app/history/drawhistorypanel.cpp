#include "app/language/errortext.h"
#include "app/history/drawhistorypanel.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>

#include "app/history/drawentrydialog.h"
#include "app/language/messagetable.h"
#include "app/widgets/prompts.h"
#include "app/widgets/uihelpers.h"
#include "core/history/drawcsv.h"
#include "core/history/drawentry.h"

namespace quorix {

namespace {

// The rejected lines the import's report names one by one; the rest are counted.
constexpr std::size_t kRejectsNamed = 5;

// The history as it stands; a missing file is an empty history, which an entry or an import
// then creates.
Result<std::vector<Draw>> readHistory(const DrawFile &file) {
    if (!file.exists()) return std::vector<Draw>{};
    return file.readAll();
}

} // namespace

DrawHistoryPanel::DrawHistoryPanel(QWidget &window, const Controls &controls, const MessageTable &messages,
                                   ProgramFolder programFolder, StatusText status,
                                   std::function<void()> checkSheet)
    : QObject(&window)
    , m_window(window)
    , m_ui(controls)
    , m_messages(messages)
    , m_programFolder(std::move(programFolder))
    , m_status(std::move(status))
    , m_checkSheet(std::move(checkSheet))
    , m_entryDialog(new DrawEntryDialog(&window)) {
    connect(m_ui.evaluate, &QAbstractButton::clicked, this, &DrawHistoryPanel::showSelectedDraw);
    for (QAbstractButton *back : m_ui.stepBack)
        connect(back, &QAbstractButton::clicked, this, &DrawHistoryPanel::stepBack);
    for (QAbstractButton *forward : m_ui.stepForward)
        connect(forward, &QAbstractButton::clicked, this, &DrawHistoryPanel::stepForward);
    connect(m_ui.enter, &QAbstractButton::clicked, this, &DrawHistoryPanel::enterDraw);
    connect(m_ui.remove, &QAbstractButton::clicked, this, &DrawHistoryPanel::deleteShownDraw);
    connect(m_ui.csvImport, &QAbstractButton::clicked, this, &DrawHistoryPanel::importCsv);
}

DrawHistoryPanel::~DrawHistoryPanel() = default;

QString DrawHistoryPanel::message(Msg message) const {
    return m_messages.text(message);
}

DrawFile DrawHistoryPanel::drawFile() const {
    return DrawFile::inFolder(std::filesystem::path(m_programFolder().toStdString()));
}

StatisticsWindow DrawHistoryPanel::statisticsWindow() const {
    StatisticsWindow window;
    window.startDate = serialFromDate(m_ui.startDate->date());
    window.endDate = serialFromDate(m_ui.endDate->date());
    window.saturday = m_ui.saturday->isChecked();
    window.wednesday = m_ui.wednesday->isChecked();
    return window;
}

// ---- draw browser --------------------------------------------------------------------------

void DrawHistoryPanel::setEndDate(DaySerial date) {
    QDateEdit *end = m_ui.endDate;
    const QDate wanted = dateFromSerial(date);
    // The picker rejects dates outside its range; it keeps its value then.
    if (wanted >= end->minimumDate() && wanted <= end->maximumDate()) end->setDate(wanted);
}

WeekdayFilter DrawHistoryPanel::weekdayFilter() const {
    return {m_ui.saturday->isChecked(), m_ui.wednesday->isChecked()};
}

void DrawHistoryPanel::showDraw(Shown how) {
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

void DrawHistoryPanel::step(bool back) {
    const DrawFile file = drawFile();
    const WeekdayFilter filter = weekdayFilter();
    auto stepped = back ? m_browser.stepBack(file, filter) : m_browser.stepForward(file, filter);
    if (!stepped) {
        Prompts::message(&m_window, m_window.windowTitle(), errorText(m_messages, stepped.error()));
        return;
    }
    showDraw(Shown::Stepped);
    m_checkSheet();
}

void DrawHistoryPanel::showSelectedDraw() {
    const DrawFile file = drawFile();
    if (!file.exists()) {
        Prompts::message(&m_window, m_window.windowTitle(),
                         QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
        if (auto created = file.createEmpty(); !created)
            Prompts::message(&m_window, m_window.windowTitle(), errorText(m_messages, created.error()));
        return;
    }
    const DaySerial endDate = serialFromDate(m_ui.endDate->date());
    if (auto selected = m_browser.selectForEndDate(file, endDate); !selected) {
        Prompts::message(&m_window, m_window.windowTitle(), errorText(m_messages, selected.error()));
        return;
    }
    showDraw(Shown::Selected);
    m_checkSheet();
    // A write cut off by a crash leaves part of a record; every reader skips it. Say so, in the
    // technical terms of the other file reports, since the next append will overwrite it.
    if (const std::uintmax_t torn = file.tornTailSize(); torn > 0)
        m_status(1, QStringLiteral("%1: %2 bytes after the last whole draw ignored")
                        .arg(QDir::toNativeSeparators(QString::fromStdString(file.path().string())))
                        .arg(torn));
}

void DrawHistoryPanel::stepBack() {
    step(true);
}

void DrawHistoryPanel::stepForward() {
    step(false);
}

// ---- entry ---------------------------------------------------------------------------------

void DrawHistoryPanel::enterDraw() {
    const DrawFile file = drawFile();
    const Result<std::vector<Draw>> history = readHistory(file);
    if (!history) {
        Prompts::message(&m_window, m_window.windowTitle(), errorText(m_messages, history.error()));
        return;
    }
    const DaySerial endDate = serialFromDate(m_ui.endDate->date());
    const Draw base = entryBaseDraw(*history, endDate);
    DrawEntryForm form = entryFormFor(base);
    // An empty history has no base date; the end date is a better start than 30.12.1899.
    if (base.date == 0) form.date = endDate;
    m_entryDialog->setForm(form);
    if (m_entryDialog->exec() == QDialog::Accepted) writeEnteredDraw(m_entryDialog->form());
    // After an append the base draw is current again, not the new one.
    setEndDate(base.date);
    showSelectedDraw();
}

void DrawHistoryPanel::writeEnteredDraw(const DrawEntryForm &form) {
    const Result<Draw> entered = enteredDraw(form);
    if (!entered) {
        Prompts::message(&m_window, m_window.windowTitle(), message(Msg::JokerNotDigit));
        return;
    }
    // The history is read and written under one lock: a draw another program adds meanwhile is
    // neither lost nor overtaken. An entry after the newest draw ends up appended.
    const Result<void> written =
        drawFile().modify([&](const std::vector<Draw> &history) -> Result<std::vector<Draw>> {
            EntryPlacement placement = placeEnteredDraw(history, *entered);
            if (!placement.append) return std::move(placement.rewritten);
            std::vector<Draw> appended = history;
            appended.push_back(*entered);
            return appended;
        });
    if (!written) Prompts::message(&m_window, m_window.windowTitle(), errorText(m_messages, written.error()));
}

// ---- deletion ------------------------------------------------------------------------------

void DrawHistoryPanel::deleteShownDraw() {
    const DrawFile file = drawFile();
    // One stray click would otherwise cost a draw: ask first, Return answers "No".
    if (file.exists() && currentDraw().date != 0 &&
        !Prompts::yesNo(&m_window, m_ui.drawLine->text(), message(Msg::DeleteDrawQuestion)))
        return;
    if (file.exists()) {
        const WaitCursor wait;
        // Read and written under one lock, so a draw added meanwhile by another program stays.
        const DaySerial shown = currentDraw().date;
        const Result<void> written = file.modify([shown](const std::vector<Draw> &history) {
            return Result<std::vector<Draw>>(withoutDrawsOf(history, shown));
        });
        if (!written) {
            Prompts::message(&m_window, m_window.windowTitle(), errorText(m_messages, written.error()));
            return;
        }
    }
    // The end date still holds the deleted date: the next later draw becomes current.
    showSelectedDraw();
}

// ---- CSV import ----------------------------------------------------------------------------

QString DrawHistoryPanel::chooseCsvFile() {
    const QString folder = m_programFolder();
    if (m_chooseFile) return m_chooseFile(false, folder);
    QFileDialog dialog(&m_window, message(Msg::CsvImportTitle), folder,
                       QStringLiteral("CSV (*.csv *.CSV);;* (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

namespace {

// "Neue Ziehungen: 3" and so on, then the first rejected lines with their reasons.
QString importReport(const MessageTable &messages, const MergeSummary &summary,
                     const std::vector<CsvReject> &rejects) {
    const auto count = [&messages](Msg label, std::size_t n) {
        return messages.text(label) + QStringLiteral(": ") + QString::number(n) + QLatin1Char('\n');
    };
    QString report;
    if (summary.added + summary.replaced + summary.unchanged > 0) {
        report += count(Msg::CsvAdded, summary.added);
        report += count(Msg::CsvReplaced, summary.replaced);
        report += count(Msg::CsvUnchanged, summary.unchanged);
    }
    if (rejects.empty()) return report;
    report += count(Msg::CsvRejected, rejects.size());
    const std::size_t named = std::min(rejects.size(), kRejectsNamed);
    for (std::size_t i = 0; i < named; ++i)
        report += QStringLiteral("    %1 %2: %3\n")
                      .arg(messages.text(Msg::CsvLine))
                      .arg(rejects[i].line)
                      .arg(errorText(messages, rejects[i].error));
    if (rejects.size() > named) report += count(Msg::CsvMoreRejected, rejects.size() - named);
    return report;
}

} // namespace

void DrawHistoryPanel::importCsv() {
    const QString path = chooseCsvFile();
    if (path.isEmpty()) return;
    const QString title = message(Msg::CsvImportTitle);
    const Result<DrawCsv> csv = readDrawCsv(std::filesystem::path(path.toStdString()));
    if (!csv) {
        Prompts::message(&m_window, title, errorText(m_messages, csv.error()));
        return;
    }
    if (csv->draws.empty()) {
        Prompts::message(&m_window, title,
                         importReport(m_messages, {}, csv->rejects) + QLatin1Char('\n') +
                             message(Msg::CsvNothingToImport));
        return;
    }
    const DrawFile file = drawFile();
    const Result<std::vector<Draw>> history = readHistory(file);
    if (!history) {
        Prompts::message(&m_window, title, errorText(m_messages, history.error()));
        return;
    }
    const QString report = importReport(m_messages, summariseMerge(*history, csv->draws), csv->rejects);
    if (!Prompts::yesNo(&m_window, title, report + QLatin1Char('\n') + message(Msg::CsvImportQuestion)))
        return;
    {
        const WaitCursor wait;
        // Merged into the history as it is now, under one lock: what another program added while
        // the question was open stays.
        const Result<void> written = file.modify([&csv](const std::vector<Draw> &current) {
            return Result<std::vector<Draw>>(mergeDraws(current, csv->draws));
        });
        if (!written) {
            Prompts::message(&m_window, title, errorText(m_messages, written.error()));
            return;
        }
    }
    showSelectedDraw();
}

} // namespace quorix
