// The draw history by hand: entering a draw, deleting the shown draw, importing a CSV file.
#include <algorithm>

#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QLabel>

#include "app/history/drawentrydialog.h"
#include "app/mainwindow/mainwindow.h"
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

// ---- entry ---------------------------------------------------------------------------------

void LottoZahlen::BitBtn8Click() {
    const DrawFile file = drawFile();
    const Result<std::vector<Draw>> history = readHistory(file);
    if (!history) {
        Prompts::message(this, windowTitle(), QString::fromStdString(history.error().message));
        return;
    }
    const DaySerial endDate = serialFromDate(m_ui.endDate->date());
    const Draw base = entryBaseDraw(*history, endDate);
    DrawEntryForm form = entryFormFor(base);
    // An empty history has no base date; the end date is a better start than 30.12.1899.
    if (base.date == 0) form.date = endDate;
    m_entryDialog->setForm(form);
    if (m_entryDialog->exec() == QDialog::Accepted) enterDraw(m_entryDialog->form());
    // After an append the base draw is current again, not the new one.
    setEndDate(base.date);
    SpeedButton5Click();
}

void LottoZahlen::enterDraw(const DrawEntryForm &form) {
    const Result<Draw> entered = enteredDraw(form);
    if (!entered) {
        Prompts::message(this, windowTitle(), message(Msg::JokerNotDigit));
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
    if (!written) Prompts::message(this, windowTitle(), QString::fromStdString(written.error().message));
}

// ---- deletion ------------------------------------------------------------------------------

void LottoZahlen::BitBtn4Click() {
    const DrawFile file = drawFile();
    // One stray click would otherwise cost a draw: ask first, Return answers "No".
    if (file.exists() && currentDraw().date != 0 &&
        !Prompts::yesNo(this, ui().drawLine->text(), message(Msg::DeleteDrawQuestion)))
        return;
    if (file.exists()) {
        const WaitCursor wait;
        // Read and written under one lock, so a draw added meanwhile by another program stays.
        const DaySerial shown = currentDraw().date;
        const Result<void> written = file.modify([shown](const std::vector<Draw> &history) {
            return Result<std::vector<Draw>>(withoutDrawsOf(history, shown));
        });
        if (!written) {
            Prompts::message(this, windowTitle(), QString::fromStdString(written.error().message));
            return;
        }
    }
    // The end date still holds the deleted date: the next later draw becomes current.
    SpeedButton5Click();
}

// ---- CSV import ----------------------------------------------------------------------------

QString LottoZahlen::chooseCsvFile() {
    if (m_chooseFile) return m_chooseFile(false, m_programFolder);
    QFileDialog dialog(this, message(Msg::CsvImportTitle), m_programFolder,
                       QStringLiteral("CSV (*.csv *.CSV);;* (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

namespace {

// "Neue Ziehungen: 3" and so on, then the first rejected lines with their reasons.
QString importReport(const LottoZahlen &window, const MergeSummary &summary,
                     const std::vector<CsvReject> &rejects) {
    const auto count = [&window](Msg label, std::size_t n) {
        return window.message(label) + QStringLiteral(": ") + QString::number(n) + QLatin1Char('\n');
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
                      .arg(window.message(Msg::CsvLine))
                      .arg(rejects[i].line)
                      .arg(QString::fromStdString(rejects[i].reason));
    if (rejects.size() > named) report += count(Msg::CsvMoreRejected, rejects.size() - named);
    return report;
}

} // namespace

void LottoZahlen::CsvImportClick() {
    const QString path = chooseCsvFile();
    if (path.isEmpty()) return;
    const QString title = message(Msg::CsvImportTitle);
    const Result<DrawCsv> csv = readDrawCsv(std::filesystem::path(path.toStdString()));
    if (!csv) {
        Prompts::message(this, title, QString::fromStdString(csv.error().message));
        return;
    }
    if (csv->draws.empty()) {
        Prompts::message(this, title,
                         importReport(*this, {}, csv->rejects) + QLatin1Char('\n') +
                             message(Msg::CsvNothingToImport));
        return;
    }
    const DrawFile file = drawFile();
    const Result<std::vector<Draw>> history = readHistory(file);
    if (!history) {
        Prompts::message(this, title, QString::fromStdString(history.error().message));
        return;
    }
    const QString report = importReport(*this, summariseMerge(*history, csv->draws), csv->rejects);
    if (!Prompts::yesNo(this, title, report + QLatin1Char('\n') + message(Msg::CsvImportQuestion))) return;
    {
        const WaitCursor wait;
        // Merged into the history as it is now, under one lock: what another program added while
        // the question was open stays.
        const Result<void> written = file.modify([&csv](const std::vector<Draw> &current) {
            return Result<std::vector<Draw>>(mergeDraws(current, csv->draws));
        });
        if (!written) {
            Prompts::message(this, title, QString::fromStdString(written.error().message));
            return;
        }
    }
    SpeedButton5Click();
}

} // namespace quorix
