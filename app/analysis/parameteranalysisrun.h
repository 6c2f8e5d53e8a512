#pragma once

#include <functional>
#include <span>

#include <QObject>

#include "app/analysis/analysissources.h"
#include "app/computation/runstate.h"
#include "app/language/messagetable.h"
#include "app/platform/today.h"
#include "core/base/random.h"
#include "core/analysis/parameteranalysis.h"
#include "core/compute/computation.h"

class QCheckBox;

namespace quorix {

// The controls the parameter analysis reads: the number list's box (unticked for the walk) and
// "recompute only after a win".
struct ParameterAnalysisControls {
    QCheckBox *numberList = nullptr;
    QCheckBox *recomputeAfterWin = nullptr;
};

// "Historische Analyse der Parameter": the walk-forward test of the computation from the end
// date on, its progress, its stop and its report. It holds the computation's run state while it
// walks, so the compute button, Ctrl+R and closing the window ask it to stop.
class ParameterAnalysisRun final : public QObject {
    Q_OBJECT

public:
    // The computation's inputs as the compute button would take them.
    using RequestSource = std::function<ComputationRequest(std::span<const Draw>)>;

    ParameterAnalysisRun(ParameterAnalysisControls controls, const MessageTable &messages, RunState &runState,
                         Random &random, Today today, RequestSource request, AnalysisSources sources,
                         QObject *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ParameterAnalysisRun)

public Q_SLOTS:
    // BitBtn9Click
    void run();

private:
    QString message(Msg id) const { return m_messages.text(id); }
    ParameterReportTexts reportTexts() const;

    ParameterAnalysisControls m_ui;
    const MessageTable &m_messages;
    RunState &m_run;
    Random &m_random;
    Today m_today;
    RequestSource m_request;
    AnalysisSources m_sources;
};

} // namespace quorix
