// The boxes and file dialogs Qt draws for the window: their language, their default answer and
// the folder they open in.
#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "app/widgets/numberdialog.h"
#include "app/widgets/prompts.h"
#include "app/language/qttranslations.h"
#include "appfixture.h"
#include "core/base/random.h"

using namespace quorix;
using namespace Qt::StringLiterals;

namespace {

// Runs `act` on the first visible modal widget of type T once it shows, then closes it if still
// open; the modal call that opened it then returns.
template <typename T> void whenShown(QObject *context, std::function<void(T *)> act) {
    auto *timer = new QTimer(context);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, context, [timer, act] {
        auto *widget = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!widget || !widget->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(widget);
        if (widget->isVisible()) widget->close();
    });
    timer->start();
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void qtTextsInTheWindowsLanguage();
    void yesNoReturnAnswersTheDefault_data();
    void yesNoReturnAnswersTheDefault();
    void valueListDialogOpensInTheProgramFolder();
};

void QtDialogsTest::qtTextsInTheWindowsLanguage() {
    auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    QCOMPARE(yes(), u"&Yes"_s);
    QVERIFY(installQtTranslations(*QCoreApplication::instance(), u"de"_s));
    QCOMPARE(yes(), u"&Ja"_s);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_s);
    QVERIFY(installQtTranslations(*QCoreApplication::instance(), u"de"_s)); // again: still one German
    QCOMPARE(yes(), u"&Ja"_s);
    // A language Qt has no texts for replaces the earlier one: Qt's English shows, not stale German.
    QVERIFY(!installQtTranslations(*QCoreApplication::instance(), u"xx"_s));
    QCOMPARE(yes(), u"&Yes"_s);
}

void QtDialogsTest::yesNoReturnAnswersTheDefault_data() {
    QTest::addColumn<bool>("defaultYes");
    QTest::newRow("default No") << false;
    QTest::newRow("default Yes") << true;
}

void QtDialogsTest::yesNoReturnAnswersTheDefault() {
    QFETCH(bool, defaultYes);
    QVERIFY(installQtTranslations(*QCoreApplication::instance(), u"de"_s));
    QString noCaption;
    whenShown<QMessageBox>(this, [&](QMessageBox *box) {
        noCaption = box->button(QMessageBox::No)->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    const bool answer =
        defaultYes ? Prompts::yesNo(nullptr, u"Tipps löschen"_s, u"Wirklich?"_s, Prompts::Default::Yes)
                   : Prompts::yesNo(nullptr, u"Tipps löschen"_s, u"Wirklich?"_s);
    QCOMPARE(answer, defaultYes);
    QCOMPARE(noCaption, u"&Nein"_s);

    // A test's prompt handler is told the default too.
    Prompts::Request asked;
    Prompts::setHandler([&](const Prompts::Request &request) {
        asked = request;
        return Prompts::Answer{};
    });
    Prompts::yesNo(nullptr, u"c"_s, u"t"_s);
    Prompts::setHandler({});
    QCOMPARE(asked.kind, Prompts::Kind::YesNo);
    QVERIFY(!asked.defaultYes);
}

// In German, in the program folder, with today's file name proposed.
void QtDialogsTest::valueListDialogOpensInTheProgramFolder() {
    const testing::TempHome home;
    QVERIFY(installQtTranslations(*QCoreApplication::instance(), u"de"_s));
    Random random(1);
    NumberDialog dialog(random);
    for (const bool save : {false, true}) {
        QString folder;
        QString name;
        QString lookIn;
        whenShown<QFileDialog>(this, [&](QFileDialog *files) {
            if (const auto *label = files->findChild<QLabel *>(u"lookInLabel"_s)) lookIn = label->text();
            folder = files->directory().absolutePath();
            name = files->selectedFiles().value(0);
            files->reject();
        });
        if (save)
            dialog.SpeedButton1Click();
        else
            dialog.SpeedButton2Click();
        QCOMPARE(folder, QDir(home.path()).absolutePath());
        QCOMPARE(QFileInfo(name).fileName(), QDate::currentDate().toString(u"yyyyMMdd"_s) + u".zqw"_s);
        QCOMPARE(lookIn, u"Suchen in:"_s);
    }
}

QTEST_MAIN(QtDialogsTest)
#include "qtdialogs_test.moc"
