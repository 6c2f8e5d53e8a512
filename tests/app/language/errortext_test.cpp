// Core errors in the window's language: every shipped message file renders them with their values
// filled in, and none of the non-English ones falls back to English.
#include <cerrno>
#include <fstream>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "app/language/errortext.h"
#include "app/language/messagetable.h"
#include "appfixture.h"
#include "core/history/drawcsv.h"
#include "output/tipfile.h"

using namespace quorix;
using namespace quorix::testing;
using namespace Qt::StringLiterals;

namespace {

const QStringList kLanguages{u"cz"_s, u"de"_s, u"en"_s, u"fr"_s, u"it"_s,
                             u"nl"_s, u"pl"_s, u"ru"_s, u"sp"_s, u"tr"_s};

MessageTable shipped(const QString &code) {
    MessageTable table;
    if (!table.loadLanguage(QStringLiteral(QUORIX_DATA_DIR), code))
        qFatal("no message file %s", qPrintable(code));
    return table;
}

// The words of five letters or more of `english` (values removed) that `text` holds as words too.
QStringList englishWordsIn(const QString &text, const QString &english) {
    QStringList found;
    static const QRegularExpression word(u"[A-Za-z]{5,}"_s);
    for (auto it = word.globalMatch(english); it.hasNext();) {
        const QString w = it.next().captured();
        const QRegularExpression same(u"(?<![\\w])"_s + w + u"(?![\\w])"_s,
                                      QRegularExpression::CaseInsensitiveOption |
                                          QRegularExpression::UseUnicodePropertiesOption);
        if (text.contains(same) && !found.contains(w)) found << w;
    }
    return found;
}

} // namespace

class ErrorTextTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void rendersEveryLanguageWithTheValues_data();
    void rendersEveryLanguageWithTheValues();
    void showErrorGoesThroughPrompts();
    void fallsBackToEnglishWithoutTheLine();

private:
    QTemporaryDir m_dir;
    QString m_folder;  // a tip file where a folder is
    QString m_tipFile; // a tip file that cannot be opened
    QString m_csv;     // a CSV with a bad line 3
    Error m_notAFile;
    Error m_denied;
    Error m_badLine;
};

void ErrorTextTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    const QDir dir(m_dir.path());
    QVERIFY(dir.mkdir(u"20261211.zqt"_s));
    m_folder = dir.filePath(u"20261211.zqt"_s);
    m_tipFile = dir.filePath(u"Tipps/20261212.zqt"_s);
    m_csv = dir.filePath(u"ziehungen.csv"_s);
    std::ofstream(m_csv.toStdString()) << kDrawCsvHeader << "\n2020-01-01,1,2,3,4,5,6,7,1,0,\n"
                                       << "2020-01-04,8,9,10,11,9,12,7,1,0,\n";

    const Result<TipSheet> folder = TipFile::read(m_folder.toStdString());
    QVERIFY(!folder);
    m_notAFile = folder.error();
    // An unreadable tip file: as the system reports a file without read permission (the tests
    // may run as a user who can read everything).
    const Result<TipSheet> missing = TipFile::read(m_tipFile.toStdString());
    QVERIFY(!missing);
    QCOMPARE(missing.error().kind, ErrorKind::CannotOpen);
    m_denied = fileError(ErrorKind::CannotOpen, m_tipFile.toStdString(), EACCES);
    const Result<std::vector<Draw>> history = readDrawHistory(m_csv.toStdString());
    QVERIFY(!history);
    m_badLine = history.error();
    QCOMPARE(m_badLine.kind, ErrorKind::CsvBadLine);
}

void ErrorTextTest::rendersEveryLanguageWithTheValues_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("which");
    QTest::addColumn<QStringList>("values");
    for (const QString &code : kLanguages) {
        QTest::addRow("%s unreadable tip file", qPrintable(code))
            << code << 0 << QStringList{QDir::toNativeSeparators(m_tipFile)};
        QTest::addRow("%s tip file is a folder", qPrintable(code))
            << code << 1 << QStringList{QDir::toNativeSeparators(m_folder)};
        QTest::addRow("%s CSV bad line", qPrintable(code))
            << code << 2 << QStringList{QDir::toNativeSeparators(m_csv), u" 3"_s, u"9"_s};
    }
}

void ErrorTextTest::rendersEveryLanguageWithTheValues() {
    QFETCH(QString, code);
    QFETCH(int, which);
    QFETCH(QStringList, values);
    const Error &error = which == 0 ? m_denied : which == 1 ? m_notAFile : m_badLine;
    const QString text = errorText(shipped(code), error);
    QVERIFY(!text.isEmpty());
    QVERIFY2(!text.contains(u'%'), qPrintable(text));
    for (const QString &value : values)
        QVERIFY2(text.contains(value), qPrintable(text + u" lacks "_s + value));
    if (code == u"en"_s) return;
    QString stripped = text;
    QString english = errorText(shipped(u"en"_s), error);
    for (const QString &value : values) {
        stripped.remove(value);
        english.remove(value);
    }
    QVERIFY2(stripped != english, qPrintable(text));
    const QStringList words = englishWordsIn(stripped, english);
    QVERIFY2(words.isEmpty(), qPrintable(text + u" holds English: "_s + words.join(u", "_s)));
    // The CLI's English line is not what the window shows.
    QVERIFY(!text.contains(QString::fromStdString(error.message)));
}

void ErrorTextTest::showErrorGoesThroughPrompts() {
    PromptScript prompts;
    prompts.answer(true);
    showError(nullptr, u"Quorix"_s, shipped(u"de"_s), m_badLine);
    QCOMPARE(prompts.asked().size(), std::size_t{1});
    QCOMPARE(prompts.asked().front().caption, u"Quorix"_s);
    QCOMPARE(prompts.asked().front().text,
             QDir::toNativeSeparators(m_csv) + u", Zeile 3: die Zahl 9 kommt zweimal vor"_s);
}

// An old message file without the error lines, or an error without a line of its own, shows the
// English line rather than nothing or a bare placeholder.
void ErrorTextTest::fallsBackToEnglishWithoutTheLine() {
    MessageTable old;
    old.setLines({u"Verteilung der gezogenen Zahlen"_s});
    QCOMPARE(errorText(old, m_badLine), QString::fromStdString(m_badLine.message));
    QCOMPARE(errorText(shipped(u"de"_s), Error(Error::Code::BadArgument, "--rows given twice")),
             u"--rows given twice"_s);
    // A value that looks like a placeholder is shown as it is.
    const Error odd = fileError(ErrorKind::CannotOpen, "%2%1", EACCES);
    QCOMPARE(errorText(shipped(u"de"_s), odd), u"%2%1 kann nicht geöffnet werden: Zugriff verweigert."_s);
}

QTEST_MAIN(ErrorTextTest)
#include "errortext_test.moc"
