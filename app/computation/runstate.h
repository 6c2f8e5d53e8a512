#pragma once

#include <QObject>

namespace quorix {

// The state of a computation run, shared by the tip computation and the parameter analysis
// (which runs computations of its own): whether a run is under way, whether a stop was asked for
// (the run ends at its next progress call), and whether the window is to close once it has.
// Captions only show this state; nothing reads it back from a caption.
class RunState final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    Q_DISABLE_COPY_MOVE(RunState)

    bool running() const { return m_running; }
    bool stopRequested() const { return m_stopRequested; }
    bool closeAfterStop() const { return m_closeAfterStop; }

    void begin() {
        m_running = true;
        m_stopRequested = false;
        Q_EMIT changed();
    }
    void requestStop() {
        m_stopRequested = true;
        Q_EMIT changed();
    }
    // The window asked to close during the run: it stops the run and closes when the run is over.
    void requestStopAndClose() {
        m_closeAfterStop = true;
        requestStop();
    }
    // Ends the run; answers whether the window is to close now (and forgets that request).
    bool end() {
        m_running = false;
        m_stopRequested = false;
        const bool close = m_closeAfterStop;
        m_closeAfterStop = false;
        Q_EMIT changed();
        return close;
    }

Q_SIGNALS:
    void changed();

private:
    bool m_running = false;
    bool m_stopRequested = false;
    bool m_closeAfterStop = false;
};

} // namespace quorix
