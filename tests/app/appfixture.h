#pragma once

#include <deque>
#include <memory>
#include <vector>

#include <QString>
#include <QTemporaryDir>

#include "app/widgets/prompts.h"
#include "core/history/draw.h"

namespace quorix::testing {

// A program folder of its own for one test: QUORIX_HOME points at a temporary folder holding
// the shipped language files and, when given, a draw file with these draws. The per-user
// settings go to a folder "config" inside it (XDG_CONFIG_HOME), never to the user's own.
class TempHome {
public:
    TempHome();
    ~TempHome();
    QString path() const { return m_dir.path(); }
    // The settings file the window reads and writes.
    QString settingsFile() const;
    void writeDraws(const std::vector<Draw> &draws) const;
    // The German message file, replaced by these lines or taken away for good.
    void writeMessageFile(const QStringList &lines) const;
    void removeMessageFile() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfigHome;
    bool m_hadConfigHome;
};

// Answers the window's modal boxes in order and records what was asked.
class PromptScript {
public:
    PromptScript();
    ~PromptScript();
    void answer(bool accepted, const QString &text = {}) { m_answers.push_back({accepted, text}); }
    const std::vector<Prompts::Request> &asked() const { return m_asked; }

private:
    std::deque<Prompts::Answer> m_answers;
    std::vector<Prompts::Request> m_asked;
};

Draw makeDraw(const char *isoDate, std::array<int, 6> numbers, int bonus = 0, int lucky = 0, int replay = 0,
              std::array<int, 6> joker = {});

} // namespace quorix::testing
