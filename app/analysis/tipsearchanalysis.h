#pragma once

#include <QObject>

#include "app/analysis/analysissources.h"
#include "app/language/messagetable.h"

namespace quorix {

// "Tipps in DB suchen": the sheet's tips searched in the draws of the statistics window.
class TipSearchAnalysis final : public QObject {
    Q_OBJECT

public:
    TipSearchAnalysis(const MessageTable &messages, AnalysisSources sources, QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TipSearchAnalysis)

public Q_SLOTS:
    // SpeedButton4Click
    void search();

private:
    QString message(Msg id) const { return m_messages.text(id); }

    const MessageTable &m_messages;
    AnalysisSources m_sources;
};

} // namespace quorix
