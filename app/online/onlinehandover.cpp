// The click scripts for the browser-automation program.
#include "app/language/errortext.h"
#include "app/online/onlinehandover.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "app/online/automationsettings.h"
#include "app/language/messagetable.h"
#include "app/widgets/prompts.h"
#include "app/online/scriptchoicedialog.h"
#include "app/settings/settingsnames.h"
#include "app/settings/settingsstore.h"
#include "app/widgets/uihelpers.h"
#include "output/clickscript.h"

namespace quorix {

namespace {

// A web site named in the program's settings, else the default; read when it is needed, so an
// address put into the settings file takes effect on the next hand-over.
QString siteSetting(const char *name, const char *fallback) {
    const SettingsStore store;
    const QString site = store.text(QString::fromLatin1(name)).value.trimmed();
    return site.isEmpty() ? QString::fromLatin1(fallback) : site;
}

std::string local(const QString &text) {
    return text.toStdString();
}

} // namespace

OnlineHandover::OnlineHandover(QWidget &window, QAbstractButton *button, const MessageTable &messages,
                               const JokerNumbers &jokers, Sources sources, Today today)
    : QObject(&window)
    , m_window(window)
    , m_messages(messages)
    , m_jokers(jokers)
    , m_sources(std::move(sources))
    , m_today(std::move(today))
    , m_dialog(new ScriptChoiceDialog(&window))
    , m_start([](const QString &program, const QStringList &arguments) {
        return QProcess::startDetached(program, arguments);
    })
    , m_open([](const QUrl &address) { QDesktopServices::openUrl(address); }) {
    m_dialog->setFetcher([](const QUrl &url) { return ScriptUpdate::fetch(url); });
    if (button) connect(button, &QAbstractButton::clicked, this, &OnlineHandover::handOver);
}

QString OnlineHandover::message(Msg message) const {
    return m_messages.text(message);
}

OnlineHandover::~OnlineHandover() = default;

void OnlineHandover::setFetcher(ScriptFetcher fetcher) {
    m_dialog->setFetcher(std::move(fetcher));
}

void OnlineHandover::handOver() {
    const QString settingsFile =
        m_settingsFile.isEmpty() ? AutomationSettings::defaultPath() : m_settingsFile;
    AutomationSettings settings = AutomationSettings::load(settingsFile);
    m_dialog->setValues({settings.script, settings.zahl1, settings.text1, settings.zahl2, settings.text2});
    const QString executable = settings.executable();
    if (executable.isEmpty() || !QFileInfo(executable).isFile()) {
        offerInstallation(siteSetting(settingname::kMakerSite, kDefaultMakerSite));
        return;
    }
    m_dialog->setScriptFolder(
        QDir(m_sources.programFolder()).filePath(QString::fromLatin1(ClickScript::kScriptFolder)));
    m_dialog->setUpdateBase(siteSetting(settingname::kScriptSite, kDefaultScriptSite));
    if (m_dialog->exec() != QDialog::Accepted) return;
    const ScriptChoiceDialog::Values chosen = m_dialog->values();
    settings.script = chosen.script;
    settings.zahl1 = chosen.zahl1;
    settings.text1 = chosen.text1;
    settings.zahl2 = chosen.zahl2;
    settings.text2 = chosen.text2;
    settings.saveChoice(settingsFile);
    fillAndStart(executable);
}

void OnlineHandover::offerInstallation(const QString &makerSite) {
    if (!Prompts::yesNo(&m_window, message(Msg::KlickwerkInstallCaption),
                        message(Msg::KlickwerkInstallQuestion)))
        return;
    QString site = makerSite;
    while (site.endsWith(u'/'))
        site.chop(1);
    m_open(QUrl(site + QStringLiteral("/dateien/navirunp.exe")));
}

// The script is filled with the sheet as it stands and the print settings' ticks, written as
// today's file in "Tipps" (which is not made here) and handed to the automation program.
void OnlineHandover::fillAndStart(const QString &executable) {
    const ScriptChoiceDialog::Values chosen = m_dialog->values();
    const DaySerial today = m_today();
    const QString filled = QDir(m_sources.programFolder())
                               .filePath(QString::fromLatin1(ClickScript::kFilledFolder) + u'/' +
                                         QString::fromStdString(ClickScript::filledName(today)));
    const std::vector<std::string> arguments = ClickScript::arguments(
        local(filled), {local(chosen.zahl1), local(chosen.text1), local(chosen.zahl2), local(chosen.text2)});
    if (!ClickScript::checkCommandLength(local(executable), arguments)) {
        showError(message(Msg::KlickwerkCommandTooLong));
        return;
    }

    const Result<std::string> script = ClickScript::read(local(chosen.script));
    if (!script) return showError(errorText(m_messages, script.error()));
    ClickScriptChoices choices;
    const TicketDays days = m_sources.ticketDays();
    choices.saturday = days.saturday;
    choices.wednesday = days.wednesday;
    for (std::size_t i = 0; i < choices.jokers.size(); ++i)
        choices.jokers[i] = m_jokers.tickets[i].enabled;
    const Result<std::string> text = ClickScript::fill(*script, m_sources.sheet(), choices);
    if (!text) return showError(chosen.script + QStringLiteral(": ") + errorText(m_messages, text.error()));
    if (const Result<void> written = ClickScript::write(local(filled), *text); !written)
        return showError(errorText(m_messages, written.error()));

    QStringList startArguments;
    for (const std::string &argument : arguments)
        startArguments.push_back(QString::fromStdString(argument));
    // A program that cannot be started is not reported; the filled script stays for a later run.
    m_start(executable, startArguments);
}

void OnlineHandover::showError(const QString &text) {
    Prompts::message(&m_window, m_window.windowTitle(), text);
}

} // namespace quorix
