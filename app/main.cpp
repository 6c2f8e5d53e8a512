#include <QApplication>
#include <QFont>

#include "app/lottozahlen.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Sorvani"));
    QApplication::setApplicationName(QStringLiteral("Quorix"));
    QApplication::setApplicationVersion(QStringLiteral("0.1"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    QApplication::setFont(font);

    quorix::LottoZahlen window;
    window.show();
    return QApplication::exec();
}
