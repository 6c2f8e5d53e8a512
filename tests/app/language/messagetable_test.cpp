// The message table and the text reader behind it; the program folder's seeding.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "app/language/messagetable.h"
#include "app/platform/programfolder.h"
#include "app/platform/textfile.h"
#include "core/text/messages.h"

using namespace quorix;

class MessageTableTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void decodesEachLine_data();
    void decodesEachLine();
    void missingIndicesAreEmpty();
    void missingFileKeepsTheTable();
    void hostileFileIsCapped();
    void shippedGermanMessagesCoverEveryIndex();
    void seedingFillsOnlyWhatIsMissing();
    void quorixHomeGetsTheShippedFiles();
};

void MessageTableTest::decodesEachLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QString gluecks = QString::fromUtf8("Glückszahl");
    QTest::newRow("utf-8, LF") << QByteArray("Gl\xC3\xBC"
                                             "ckszahl\nTipp\n")
                               << QStringList{gluecks, QStringLiteral("Tipp")};
    QTest::newRow("windows-1252, CR LF") << QByteArray("Gl\xFC"
                                                       "ckszahl\r\n\x80 5\r\n")
                                         << QStringList{gluecks, QString::fromUtf8("€ 5")};
    QTest::newRow("mixed lines") << QByteArray("Gl\xFC"
                                               "ckszahl\nGl\xC3\xBC"
                                               "ckszahl")
                                 << QStringList{gluecks, gluecks};
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFTipp\n")
                                     << QStringList{QStringLiteral("Tipp")};
    QTest::newRow("empty lines kept")
        << QByteArray("a\n\nb\n") << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
    QTest::newRow("torn utf-8 sequence") << QByteArray("ab\xC3") << QStringList{QString::fromUtf8("abÃ")};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void MessageTableTest::decodesEachLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(decodeTextLines(bytes), lines);
}

void MessageTableTest::missingIndicesAreEmpty() {
    MessageTable table;
    QCOMPARE(table.text(0), QString());
    table.setLines({QStringLiteral("null"), QStringLiteral("eins")});
    QCOMPARE(table.text(1), QStringLiteral("eins"));
    QCOMPARE(table.text(2), QString());
    QCOMPARE(table.text(-1), QString());
    QCOMPARE(table.text(1000000), QString());
}

void MessageTableTest::missingFileKeepsTheTable() {
    QTemporaryDir dir;
    MessageTable table;
    table.setLines({QStringLiteral("bleibt")});
    QVERIFY(!table.loadLanguage(dir.path(), QStringLiteral("xx")));
    QCOMPARE(table.text(0), QStringLiteral("bleibt"));
}

void MessageTableTest::hostileFileIsCapped() {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("land"));
    QFile file(dir.filePath(QStringLiteral("land/meldungen.txt.xx")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // A 200 KB first line of umlauts (cut between two characters, not inside one), then a flood of lines.
    QByteArray first;
    for (int i = 0; i < 100 * 1024; ++i)
        first += "\xC3\xA4";
    file.write(first + "\nzwei\n" + QByteArray(200000, '\n'));
    file.close();

    MessageTable table;
    QVERIFY(table.loadLanguage(dir.path(), QStringLiteral("xx")));
    QCOMPARE(table.text(0), QString(static_cast<qsizetype>(kMessageFileLimits.maxLineChars), QChar(0xE4)));
    QCOMPARE(table.text(1), QStringLiteral("zwei"));
    QCOMPARE(table.size(), static_cast<int>(kMessageFileLimits.maxLines));
}

void MessageTableTest::shippedGermanMessagesCoverEveryIndex() {
    MessageTable table;
    QVERIFY(table.loadLanguage(QStringLiteral(QUORIX_DATA_DIR), QStringLiteral("de")));
    QCOMPARE(table.size(), kMessageCount);
    for (int index : {0, 1, 2, 3, 9, 10, 11, 12, 13, 14, 15, 16, 24, 28, 29, 38, 44, 49, 50, 51, 54})
        QVERIFY2(!table.text(index).isEmpty(), qPrintable(QString::number(index)));
    QCOMPARE(table.text(24), QStringLiteral("Tipp"));
}

void MessageTableTest::seedingFillsOnlyWhatIsMissing() {
    QTemporaryDir source;
    QTemporaryDir target;
    QDir(source.path()).mkpath(QStringLiteral("land"));
    auto write = [](const QString &path, const QByteArray &bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(source.filePath(QStringLiteral("land/meldungen.txt.de")), "neu\n");
    write(source.filePath(QStringLiteral("land/meldungen.txt.en")), "new\n");
    write(source.filePath(QStringLiteral("yippee.wav")), "RIFF");
    write(source.filePath(QStringLiteral("ZahlenCH.dat")), "not shipped");
    QDir(target.path()).mkpath(QStringLiteral("land"));
    write(target.filePath(QStringLiteral("land/meldungen.txt.de")), "eigene\n");

    ProgramFolder::seed(source.path(), target.path());
    const TextFileRead read = readTextLines(target.filePath(QStringLiteral("land/meldungen.txt.de")));
    QVERIFY(read);
    QCOMPARE(read.lines, QStringList{QStringLiteral("eigene")}); // the user's file stays
    QVERIFY(QFile::exists(target.filePath(QStringLiteral("land/meldungen.txt.en"))));
    QVERIFY(QFile::exists(target.filePath(QStringLiteral("yippee.wav"))));
    QVERIFY(!QFile::exists(target.filePath(QStringLiteral("ZahlenCH.dat"))));
}

void MessageTableTest::quorixHomeGetsTheShippedFiles() {
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("neu/home"));
    qputenv("QUORIX_HOME", home.toLocal8Bit());
    const QString resolved = ProgramFolder::resolve();
    qunsetenv("QUORIX_HOME");
    QCOMPARE(resolved, home);
    MessageTable table;
    QVERIFY(table.loadLanguage(resolved, QStringLiteral("de")));
    QCOMPARE(table.text(24), QStringLiteral("Tipp"));
    QVERIFY(QFile::exists(QDir(home).filePath(QStringLiteral("yippee.wav"))));
}

QTEST_MAIN(MessageTableTest)
#include "messagetable_test.moc"
