#pragma once

#include <optional>

#include <QObject>

#include "app/analysis/analysissources.h"
#include "app/language/messagetable.h"
#include "core/analysis/repetitionanalysis.h"

namespace quorix {

// "Historische Analyse beginnend mit dem oben gewähltem Datum": every draw from the end date on,
// taken as a tip, against the earlier and the next draws, with its report Test.rtf.
class RepetitionAnalysisRun final : public QObject {
    Q_OBJECT

public:
    RepetitionAnalysisRun(const MessageTable &messages, AnalysisSources sources, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(RepetitionAnalysisRun)

public Q_SLOTS:
    // BitBtn19Click
    void run();

private:
    QString message(Msg id) const { return m_messages.text(id); }
    std::optional<int> askThreshold();
    bool writeReport(const QString &path, const RepetitionTables &tables);
    void showError(const QString &text);

    const MessageTable &m_messages;
    AnalysisSources m_sources;
};

} // namespace quorix
