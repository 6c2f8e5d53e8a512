#include "app/printing/ticketprint.h"

#include <string_view>

#include <QAction>
#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>

#include "core/base/atomicfile.h"

namespace quorix {

using namespace Qt::StringLiterals;

namespace {

constexpr double kMarkPoints = 8.0;
constexpr double kBottomMarginMm = 10.0;

} // namespace

std::optional<QPageLayout> ticketPageLayout(int paperFormat) {
    const std::optional<PaperFormat> format = quorix::paperFormat(paperFormat);
    if (!format) return std::nullopt;
    // The size is given upright (width, length); a landscape page turns it.
    const QPageSize size(QSizeF(format->widthMm, format->lengthMm), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    return QPageLayout(size, format->landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, kBottomMarginMm), QPageLayout::Millimeter);
}

QFont ticketMarkFont() {
    QFont font(u"Arial"_s);
    font.setBold(true);
    font.setPointSizeF(kMarkPoints);
    return font;
}

bool paintTicket(QPagedPaintDevice &device, const TicketPage &page) {
    if (!device.pageLayout().isEquivalentTo(page.layout)) device.setPageLayout(page.layout);
    QPainter painter(&device);
    if (!painter.isActive()) return false;
    // Device pixels per layout unit. The painter stays unscaled, so the font's point size is
    // resolved at the device's own resolution.
    const double sx = device.logicalDpiX() / static_cast<double>(kTicketUnitsPerInch);
    const double sy = device.logicalDpiY() / static_cast<double>(kTicketUnitsPerInch);
    // The picture may lie partly above the paper (its frame starts at -5); the painter's origin
    // is the paper's corner, since the page has no top or left margin.
    if (!page.picture.isNull()) {
        const TicketFrame &f = kTicketPictureFrame;
        painter.save();
        painter.setClipRect(QRectF(f.left * sx, f.top * sy, f.width * sx, f.height * sy));
        painter.drawImage(
            QRectF(f.left * sx, f.top * sy, page.picture.width() * sx, page.picture.height() * sy),
            page.picture);
        painter.restore();
    }
    const QFont font = ticketMarkFont();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, &device);
    for (const TicketMark &mark : page.marks) {
        const QPointF topLeft(static_cast<double>(mark.left) * sx, static_cast<double>(mark.top) * sy);
        painter.drawText(topLeft + QPointF(0, metrics.ascent()), u"x"_s);
    }
    return true;
}

bool writeTicketPdf(const QString &path, const TicketPage &page, QString &error) {
    // Painted in memory, then written beside the target and renamed over it: a failed save leaves
    // an earlier file as it was.
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(u"Druck des Lottoscheines"_s);
        writer.setCreator(u"Quorix"_s);
        // Marks near the bottom stay on the page: the margin is the printer's, not the PDF's.
        QPageLayout layout = page.layout;
        layout.setMode(QPageLayout::FullPageMode);
        writer.setPageLayout(layout);
        painted = paintTicket(writer, page);
    }
    if (!painted) {
        error = path + u": the PDF could not be written"_s;
        return false;
    }
    const QByteArray &bytes = file.data();
    const Result<void> written =
        writeAtomically(QFile::encodeName(path).toStdString(),
                        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!written) error = path + u": "_s + QString::fromStdString(written.error().reason);
    return bool(written);
}

void setUpTicketPrinter(QPrinter &printer, const TicketPage &page, const QString &title) {
    printer.setDocName(title);
    printer.setCopyCount(1);
    printer.setPageLayout(page.layout);
    // Positions count from the paper's corner even where the printer cannot print to the edge;
    // set after the layout, which would otherwise bring the margins back.
    printer.setFullPage(true);
}

void showTicketPreview(QWidget *parent, QPrinter &printer, const TicketPage &page,
                       const TicketPreviewTexts &texts, const std::function<QString()> &choosePdf,
                       const std::function<void(const QString &)> &report) {
    setUpTicketPrinter(printer, page, texts.title);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(texts.title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&page](QPrinter *target) { paintTicket(*target, page); });
    if (auto *preview = dialog.findChild<QPrintPreviewWidget *>())
        preview->setZoomMode(QPrintPreviewWidget::FitInView);
    if (auto *bar = dialog.findChild<QToolBar *>()) {
        bar->addSeparator();
        QAction *pdf = bar->addAction(texts.pdfText);
        pdf->setObjectName(u"SavePdf"_s);
        QObject::connect(pdf, &QAction::triggered, &dialog, [&] {
            const QString path = choosePdf();
            if (path.isEmpty()) return;
            QString error;
            if (!writeTicketPdf(path, page, error)) report(error);
        });
    }
    dialog.exec();
}

} // namespace quorix
