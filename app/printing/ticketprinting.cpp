#include "app/language/errortext.h"
#include "app/printing/ticketprinting.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QPrinter>

#include "app/language/messagetable.h"
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

TicketPrinting::TicketPrinting(QWidget &window, QAbstractButton *print, const MessageTable &messages,
                               JokerNumbers &jokers, Random &random, Sources sources)
    : QObject(&window)
    , m_window(window)
    , m_messages(messages)
    , m_jokers(jokers)
    , m_sources(std::move(sources))
    , m_dialog(new PrintSettingsDialog(jokers, m_days, random, &window)) {
    if (print) connect(print, &QAbstractButton::clicked, this, &TicketPrinting::printTicket);
}

TicketPrinting::~TicketPrinting() = default;

QString TicketPrinting::message(Msg message) const {
    return m_messages.text(message);
}

void TicketPrinting::printTicket() {
    PrintSettingsDialog &dialog = *m_dialog;
    const bool saturday = ticketForSaturday(m_sources.today());
    m_days = {saturday, !saturday};
    dialog.prepare(
        {countTicketTips(m_sources.sheet()), m_print, m_sources.jokerOption(), m_sources.drawFile()});
    switch (dialog.run()) {
    case PrintSettingsDialog::Outcome::Online:
        if (m_onlineRoute) m_onlineRoute();
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
    if (!m_layout.isValid()) m_layout = *ticketPageLayout(0);
    if (const auto layout = ticketPageLayout(chosen.paperFormat)) m_layout = *layout;
    m_print.top = chosen.top;
    m_print.left = chosen.left;

    const TipSheet sheet = m_sources.sheet();
    if (const std::optional<int> row = rowNotFromFirstField(sheet)) {
        Prompts::message(
            &m_window, m_window.windowTitle(),
            u"%1. %2: %3"_s.arg(*row).arg(message(Msg::TipWord), message(Msg::TicketRowNotFromFirstField)));
        return;
    }
    TicketChoices choices{m_print.top, m_print.left, m_days.saturday, m_days.wednesday, {}};
    for (std::size_t j = 0; j < choices.jokers.size(); ++j)
        choices.jokers[j] = m_jokers.tickets[j].enabled;
    auto marks = layoutTicket(sheet, choices);
    if (!marks) {
        Prompts::message(&m_window, m_window.windowTitle(), errorText(m_messages, marks.error()));
        return;
    }
    if (dialog.testPicture()) m_picture = ticketPicture(m_sources.programFolder(), m_picture);
    preview({m_layout, std::move(*marks), dialog.testPicture() ? m_picture : QImage()});
}

void TicketPrinting::preview(const TicketPage &page) {
    if (m_preview) {
        m_preview(page);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    showTicketPreview(
        &m_window, printer, page, {QString::fromUtf8(kPreviewTitle), message(Msg::SaveTicketPdf)},
        [this] { return choosePdf(); },
        [this](const QString &error) { Prompts::message(&m_window, m_window.windowTitle(), error); });
}

QString TicketPrinting::choosePdf() {
    const QString folder = m_sources.programFolder();
    const QString proposed = QDir(folder).filePath(QString::fromLatin1(kPdfName));
    if (m_chooseFile) return m_chooseFile(true, proposed);
    QFileDialog dialog(&m_window, message(Msg::SaveTicketPdf), folder, u"PDF (*.pdf)"_s);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(u"pdf"_s);
    dialog.selectFile(QString::fromLatin1(kPdfName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace quorix
