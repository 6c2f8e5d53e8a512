#include "app/platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorix {

namespace {

bool isWritableFolder(const QString &path) {
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

void copyMissing(const QString &from, const QString &to) {
    if (QFileInfo(from).isDir()) {
        QDir().mkpath(to);
        const QDir source(from);
        for (const QString &entry : source.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            copyMissing(source.filePath(entry), QDir(to).filePath(entry));
        return;
    }
    if (QFileInfo::exists(from) && !QFileInfo::exists(to)) QFile::copy(from, to);
}

} // namespace

QString ProgramFolder::resolve() {
    QString exeFolder = QCoreApplication::applicationDirPath();
    // An installed program keeps its shipped files in ../share/quorix beside bin/.
    const QString shipped = QFileInfo::exists(QDir(exeFolder).filePath(QStringLiteral("land")))
                                ? exeFolder
                                : QDir(exeFolder).absoluteFilePath(QStringLiteral("../share/quorix"));
    const QString home = qEnvironmentVariable("QUORIX_HOME");
    if (!home.isEmpty()) {
        QDir().mkpath(home);
        QString folder = QDir(home).absolutePath();
        seed(shipped, folder);
        return folder;
    }
    if (isWritableFolder(exeFolder)) return exeFolder;
    QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user);
    seed(shipped, user);
    return user;
}

void ProgramFolder::seed(const QString &source, const QString &target) {
    copyMissing(QDir(source).filePath(QStringLiteral("land")), QDir(target).filePath(QStringLiteral("land")));
    copyMissing(QDir(source).filePath(QStringLiteral("yippee.wav")),
                QDir(target).filePath(QStringLiteral("yippee.wav")));
}

} // namespace quorix
