// Printing the sheet onto a paper ticket: the print settings dialog, the page with its marks, the
// preview with its PDF, and the command line that prints a tip file and closes.
#include <QDir>
#include <QFileDialog>
#include <QPrinter>

#include "app/mainwindow/mainwindow.h"
#include "app/widgets/prompts.h"
#include "app/printing/printsettingsdialog.h"
#include "app/printing/ticketprint.h"
#include "app/widgets/uihelpers.h"
#include "core/game/ticketlayout.h"

namespace quorix {

using namespace Qt::StringLiterals;

namespace {

constexpr char kPreviewTitle[] = "Druck des Lottoscheines";
constexpr char kPictureName[] = "schein.jpg";
constexpr char kPdfName[] = "Lottoschein.pdf";

// The empty ticket's picture from the program folder; its name is compared without case.
QImage ticketPicture(const QString &folder, const QImage &previous) {
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files)) {
        if (name.compare(QLatin1String(kPictureName), Qt::CaseInsensitive) != 0) continue;
        QImage picture(dir.filePath(name));
        if (!picture.isNull()) return picture;
    }
    // A missing picture is not reported; the page keeps the one it had.
    return previous;
}

} // namespace

QString commandLineTipFile(const QStringList &arguments) {
    if (arguments.isEmpty() || arguments.constFirst() == u"D"_s) return {};
    return arguments.value(1);
}

void LottoZahlen::SpeedButton12Click() {
    PrintSettingsDialog &dialog = *m_printDialog;
    const bool saturday = ticketForSaturday(serialFromDate(QDate::currentDate()));
    m_days = {saturday, !saturday};
    dialog.prepare({countTicketTips(tipSheet()), m_print, tipParameters().jokerOption, drawFile()});
    switch (dialog.run()) {
    case PrintSettingsDialog::Outcome::Online:
        if (m_onlineRoute)
            m_onlineRoute();
        else
            OnlineTippClick();
        return;
    case PrintSettingsDialog::Outcome::Abort:
        return;
    case PrintSettingsDialog::Outcome::Ok:
        break;
    }

    // The page is set up for the chosen paper before any mark; an index the list does not have
    // leaves it as it was.
    const PrintSettings chosen = dialog.chosenPrint();
    m_print.paperFormat = chosen.paperFormat;
    if (!m_ticketLayout.isValid()) m_ticketLayout = *ticketPageLayout(0);
    if (const auto layout = ticketPageLayout(chosen.paperFormat)) m_ticketLayout = *layout;
    m_print.top = chosen.top;
    m_print.left = chosen.left;

    const TipSheet sheet = tipSheet();
    if (const std::optional<int> row = rowNotFromFirstField(sheet)) {
        Prompts::message(
            this, windowTitle(),
            u"%1. %2: %3"_s.arg(*row).arg(message(Msg::TipWord), message(Msg::TicketRowNotFromFirstField)));
        return;
    }
    TicketChoices choices{m_print.top, m_print.left, m_days.saturday, m_days.wednesday, {}};
    for (std::size_t j = 0; j < choices.jokers.size(); ++j)
        choices.jokers[j] = m_jokers.tickets[j].enabled;
    auto marks = layoutTicket(sheet, choices);
    if (!marks) {
        Prompts::message(this, windowTitle(), QString::fromStdString(marks.error().message));
        return;
    }
    if (dialog.testPicture()) m_ticketPicture = ticketPicture(m_programFolder, m_ticketPicture);
    previewTicket({m_ticketLayout, std::move(*marks), dialog.testPicture() ? m_ticketPicture : QImage()});
}

void LottoZahlen::previewTicket(const TicketPage &page) {
    if (m_ticketPreview) {
        m_ticketPreview(page);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    showTicketPreview(
        this, printer, page, {QString::fromUtf8(kPreviewTitle), message(Msg::SaveTicketPdf)},
        [this] { return chooseTicketPdf(); },
        [this](const QString &error) { Prompts::message(this, windowTitle(), error); });
}

QString LottoZahlen::chooseTicketPdf() {
    const QString proposed = QDir(m_programFolder).filePath(QString::fromLatin1(kPdfName));
    if (m_chooseFile) return m_chooseFile(true, proposed);
    QFileDialog dialog(this, message(Msg::SaveTicketPdf), m_programFolder, u"PDF (*.pdf)"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(u"pdf"_s);
    dialog.selectFile(QString::fromLatin1(kPdfName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

// A tip file that cannot be read was reported by the load; the window then stays open, since
// there is nothing to print. Otherwise the window closes once the printing returns, however its
// dialog ended.
void LottoZahlen::runCommandLine() {
    if (m_commandLineTips.isEmpty()) return;
    if (!Textladen(m_commandLineTips)) return;
    SpeedButton12Click();
    close();
}

} // namespace quorix
