#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

namespace quorix {

// Plays a short sound without waiting. No audio device or a missing file means silence: the
// caller never sees an error and never waits.
class SoundPlayer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoundPlayer)
public:
    explicit SoundPlayer(QObject *parent = nullptr);

    void setFile(const QString &path) { m_path = path; }
    const QString &file() const { return m_path; }
    void play();
    // How often play() was asked for since the start; the tip check's wiring is tested by it.
    int requests() const { return m_requests; }

private:
    QString m_path;
    QSoundEffect *m_effect = nullptr;
    int m_requests = 0;
};

} // namespace quorix
