#include "app/language/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QString>
#include <QTranslator>

namespace quorix {

bool installQtTranslations(QCoreApplication &app, const QString &code) {
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    auto *translator = new QTranslator(&app);
    // "qt_<code>" gathers the catalogues of every Qt module that has one for the language.
    if (!translator->load(QStringLiteral("qt_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

} // namespace quorix
