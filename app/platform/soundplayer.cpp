#include "app/platform/soundplayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace quorix {

SoundPlayer::SoundPlayer(QObject *parent)
    : QObject(parent) {}

void SoundPlayer::play() {
    ++m_requests;
    if (m_path.isEmpty() || !QFileInfo::exists(m_path)) return;
    if (!m_effect) {
        m_effect = new QSoundEffect(this);
        m_effect->setSource(QUrl::fromLocalFile(m_path));
    } else if (m_effect->source() != QUrl::fromLocalFile(m_path)) {
        m_effect->setSource(QUrl::fromLocalFile(m_path));
    }
    // Without an audio device the effect may stay "playing" forever; restart it each time.
    m_effect->stop();
    m_effect->play();
}

} // namespace quorix
