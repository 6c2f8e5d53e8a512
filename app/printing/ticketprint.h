#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QString>

#include "core/game/ticketlayout.h"

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace quorix {

// One ticket page as it goes to the printer: the paper set-up, the marks in 1/96 inch and the
// empty ticket's picture for a test print (null for none).
struct TicketPage {
    QPageLayout layout;
    std::vector<TicketMark> marks;
    QImage picture;
};

// The page for a paper format of the print settings: no top, left or right margin, 10 mm at the
// bottom, the paper's size and orientation. None for an index outside the list.
std::optional<QPageLayout> ticketPageLayout(int paperFormat);

// The marks' font: bold Arial 8 point (Liberation Sans, with Arial's metrics, where there is no
// Arial).
QFont ticketMarkFont();

// Paints the page onto the device (printer, PDF writer, preview) after giving it the page's
// layout: the picture first, then every mark as an "x" whose text box has its top-left corner at
// the mark's position. Positions are measured from the paper's top-left corner. False when the
// device cannot be painted on.
bool paintTicket(QPagedPaintDevice &device, const TicketPage &page);

// Writes the page as a one-page PDF at true size; an error names the file.
bool writeTicketPdf(const QString &path, const TicketPage &page, QString &error);

// Readies a printer for the page: its paper, one copy, the title as the job's name, and full-page
// mode.
void setUpTicketPrinter(QPrinter &printer, const TicketPage &page, const QString &title);

// The print preview of the page, titled `title`, zoomed to show the whole page. Its tool bar has
// one more action, `pdfText`, which asks `choosePdf` for a file name and writes the page there as
// a PDF; `report` shows a failed write.
struct TicketPreviewTexts {
    QString title;
    QString pdfText;
};
void showTicketPreview(QWidget *parent, QPrinter &printer, const TicketPage &page,
                       const TicketPreviewTexts &texts, const std::function<QString()> &choosePdf,
                       const std::function<void(const QString &)> &report);

} // namespace quorix
