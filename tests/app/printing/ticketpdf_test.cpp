// The ticket page as a PDF at true size: rasterised with pdftoppm, every "x" must sit where the
// layout puts it, to a fraction of a millimetre, since a player holds such a printout against a
// real ticket before printing on one.
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

#include "app/printing/ticketprint.h"
#include "core/game/ticketlayout.h"

using namespace quorix;
using namespace Qt::StringLiterals;

namespace {

constexpr int kRasterDpi = 384; // four pixels to a layout unit
constexpr double kMmPerUnit = 25.4 / kTicketUnitsPerInch;

struct Blob {
    QRectF box; // in raster pixels
    int pixels = 0;
};

// The dark connected areas of a page (8-neighbourhood).
std::vector<Blob> darkBlobs(const QImage &page) {
    const QImage gray = page.convertToFormat(QImage::Format_Grayscale8);
    const int w = gray.width();
    const int h = gray.height();
    std::vector<char> seen(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    const auto dark = [&](int x, int y) { return gray.constScanLine(y)[x] < 128; };
    std::vector<Blob> blobs;
    std::vector<QPoint> stack;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t at =
                static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
            if (seen[at] || !dark(x, y)) continue;
            seen[at] = 1;
            int left = x, right = x, top = y, bottom = y, count = 0;
            stack.assign(1, QPoint(x, y));
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++count;
                left = std::min(left, p.x());
                right = std::max(right, p.x());
                top = std::min(top, p.y());
                bottom = std::max(bottom, p.y());
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = p.x() + dx;
                        const int ny = p.y() + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                        const std::size_t n = static_cast<std::size_t>(ny) * static_cast<std::size_t>(w) +
                                              static_cast<std::size_t>(nx);
                        if (seen[n] || !dark(nx, ny)) continue;
                        seen[n] = 1;
                        stack.emplace_back(nx, ny);
                    }
                }
            }
            blobs.push_back({QRectF(left, top, right - left + 1, bottom - top + 1), count});
        }
    }
    return blobs;
}

// Where the ink of an "x" placed at (0, 0) is centred, in layout units: its text box's top-left
// corner is the mark's position, so the glyph's middle lies right of and below it. Measured on a
// fine grid so that no rounding of the font enters.
QPointF inkCentreOffset() {
    constexpr int kFine = 100;
    QImage probe(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(kTicketUnitsPerInch * kFine / 0.0254));
    probe.setDotsPerMeterX(dotsPerMetre);
    probe.setDotsPerMeterY(dotsPerMetre);
    const QFontMetricsF metrics(ticketMarkFont(), &probe);
    const QRectF ink = metrics.tightBoundingRect(u"x"_s);
    return QPointF(ink.center().x(), metrics.ascent() + ink.center().y()) / kFine;
}

QImage rasterise(const QString &pdf, const QString &prefix) {
    QProcess pdftoppm;
    pdftoppm.start(u"pdftoppm"_s, {u"-r"_s, QString::number(kRasterDpi), u"-gray"_s, u"-png"_s,
                                   u"-singlefile"_s, pdf, prefix});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0) return {};
    return QImage(prefix + u".png"_s);
}

TipSheet sheetOfRows(const std::vector<int> &rows) {
    TipSheet sheet;
    int next = 1;
    for (const int r : rows) {
        TipRow &row = sheet.rows[static_cast<std::size_t>(r - 1)];
        // Six numbers spread over the block, a different set in every row.
        for (std::size_t c = 0; c < row.numbers.size(); ++c)
            row.numbers[c] = std::to_string((next + static_cast<int>(c) * 7 - 1) % 42 + 1);
        row.lucky = std::to_string(r % 6 + 1);
        next += 5;
    }
    return sheet;
}

} // namespace

class TicketPdfTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void marksLandWhereTheLayoutSays_data();
    void marksLandWhereTheLayoutSays();
    void aFailedWriteIsReported();
    void printerTakesThePaperFromItsCorner();
};

void TicketPdfTest::marksLandWhereTheLayoutSays_data() {
    QTest::addColumn<int>("paper");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("left");
    QTest::newRow("18x10,6, full sheet")
        << 3 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14} << 53 << 32;
    // Rows 5 and 7 in lower blocks: their numbers sit 147 below the upper block.
    QTest::newRow("A4, sparse, moved") << 0 << QList<int>{1, 2, 3, 5, 6, 7} << 0 << 100;
    QTest::newRow("A5 Quer") << 2 << QList<int>{2, 9} << 100 << 0;
}

void TicketPdfTest::marksLandWhereTheLayoutSays() {
    QFETCH(int, paper);
    QFETCH(QList<int>, rows);
    QFETCH(int, top);
    QFETCH(int, left);
    const auto marks = layoutTicket(sheetOfRows({rows.begin(), rows.end()}),
                                    {top, left, true, paper != 0, {true, true, paper == 3}});
    QVERIFY(marks.ok());
    const TicketPage page{*ticketPageLayout(paper), *marks, QImage()};

    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"ticket.pdf"_s);
    QString error;
    QVERIFY2(writeTicketPdf(pdf, page, error), qPrintable(error));
    const QImage raster = rasterise(pdf, dir.filePath(u"ticket"_s));
    QVERIFY2(!raster.isNull(), "pdftoppm failed");

    // The page has the paper's size (the PDF rounds it to whole points).
    const QSizeF paperMm = page.layout.fullRect(QPageLayout::Millimeter).size();
    QVERIFY(std::abs(raster.width() - paperMm.width() / 25.4 * kRasterDpi) < 3);
    QVERIFY(std::abs(raster.height() - paperMm.height() / 25.4 * kRasterDpi) < 3);

    const std::vector<Blob> blobs = darkBlobs(raster);
    QCOMPARE(blobs.size(), marks->size());
    const QPointF offset = inkCentreOffset();
    const double pixelsPerUnit = static_cast<double>(kRasterDpi) / kTicketUnitsPerInch;
    double worstMm = 0;
    for (const TicketMark &mark : *marks) {
        const QPointF want =
            (QPointF(static_cast<double>(mark.left), static_cast<double>(mark.top)) + offset) * pixelsPerUnit;
        const auto nearest = std::min_element(blobs.begin(), blobs.end(), [&](const Blob &a, const Blob &b) {
            return QLineF(a.box.center(), want).length() < QLineF(b.box.center(), want).length();
        });
        const double mm = QLineF(nearest->box.center(), want).length() / pixelsPerUnit * kMmPerUnit;
        worstMm = std::max(worstMm, mm);
        // An "x" of bold 8 point is about 1.5 mm across.
        QVERIFY(nearest->box.width() / pixelsPerUnit * kMmPerUnit > 1.0);
        QVERIFY(nearest->box.width() / pixelsPerUnit * kMmPerUnit < 2.5);
    }
    qInfo("worst mark offset: %.3f mm", worstMm);
    QVERIFY2(worstMm < 0.1, qPrintable(QString::number(worstMm)));
}

void TicketPdfTest::aFailedWriteIsReported() {
    QTemporaryDir dir;
    const TicketPage page{*ticketPageLayout(0), {}, QImage()};
    const QString missing = dir.filePath(u"no/such/folder/ticket.pdf"_s);
    QString error;
    QVERIFY(!writeTicketPdf(missing, page, error));
    QVERIFY(error.startsWith(missing + u": "_s));
    QVERIFY(!QFile::exists(missing));
}

void TicketPdfTest::printerTakesThePaperFromItsCorner() {
    QPrinter printer(QPrinter::HighResolution);
    const TicketPage page{*ticketPageLayout(3), {}, QImage()};
    setUpTicketPrinter(printer, page, u"Druck des Lottoscheines"_s);
    QVERIFY(printer.fullPage());
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(printer.pageLayout().fullRect(QPageLayout::Millimeter).size().toSize(), QSize(180, 106));
    QCOMPARE(printer.paperRect(QPrinter::Millimeter).topLeft(),
             printer.pageRect(QPrinter::Millimeter).topLeft());
    QCOMPARE(printer.copyCount(), 1);
    QCOMPARE(printer.docName(), u"Druck des Lottoscheines"_s);
}

QTEST_MAIN(TicketPdfTest)
#include "ticketpdf_test.moc"
