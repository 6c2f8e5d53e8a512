#include <QApplication>
#include <QFont>
#include <QStringList>

#include "app/mainwindow/mainwindow.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Sorvani"));
    QApplication::setApplicationName(QStringLiteral("Quorix"));
    QApplication::setApplicationVersion(QStringLiteral("0.1"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    QApplication::setFont(font);

    quorix::LottoZahlen window;
    // QApplication has taken its own options out of argv; what is left is the program's.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    window.setCommandLine(arguments);
    window.show();
    // A tip file printed from the command line has closed the window already.
    if (!window.isVisible()) return 0;
    return QApplication::exec();
}
