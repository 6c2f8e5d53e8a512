#include "appfixture.h"

#include <QDir>
#include <QFile>

#include "app/platform/programfolder.h"
#include "core/base/calendar.h"
#include "core/history/drawfile.h"

namespace quorix::testing {

TempHome::TempHome()
    : m_oldConfigHome(qgetenv("XDG_CONFIG_HOME"))
    , m_hadConfigHome(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
    qputenv("QUORIX_HOME", m_dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QDir(m_dir.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    ProgramFolder::seed(QStringLiteral(QUORIX_DATA_DIR), m_dir.path());
}

TempHome::~TempHome() {
    qunsetenv("QUORIX_HOME");
    if (m_hadConfigHome)
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
    else
        qunsetenv("XDG_CONFIG_HOME");
}

QString TempHome::settingsFile() const {
    return QDir(path()).filePath(QStringLiteral("config/Sorvani/Quorix.json"));
}

void TempHome::writeDraws(const std::vector<Draw> &draws) const {
    const DrawFile file = DrawFile::inFolder(std::filesystem::path(path().toStdString()));
    if (!file.rewrite(draws)) qFatal("cannot write the draw fixture");
}

namespace {

QString messageFile(const QString &home) {
    return QDir(home).filePath(QStringLiteral("land/meldungen.txt.de"));
}

} // namespace

void TempHome::writeMessageFile(const QStringList &lines) const {
    QFile file(messageFile(path()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write the message file");
    for (const QString &line : lines)
        file.write(line.toUtf8() + "\r\n");
}

void TempHome::removeMessageFile() const {
    // A folder of its name keeps the program folder's seeding from bringing the file back.
    if (!QFile::remove(messageFile(path())) || !QDir().mkdir(messageFile(path())))
        qFatal("cannot take the message file away");
}

PromptScript::PromptScript() {
    Prompts::setHandler([this](const Prompts::Request &request) {
        m_asked.push_back(request);
        if (m_answers.empty()) return Prompts::Answer{};
        Prompts::Answer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
}

PromptScript::~PromptScript() {
    Prompts::setHandler({});
}

Draw makeDraw(const char *isoDate, std::array<int, 6> numbers, int bonus, int lucky, int replay,
              std::array<int, 6> joker) {
    Draw draw;
    draw.date = *parseIsoDate(isoDate);
    draw.numbers = numbers;
    draw.bonus = bonus;
    draw.lucky = lucky;
    draw.replay = replay;
    draw.joker = joker;
    return draw;
}

} // namespace quorix::testing
