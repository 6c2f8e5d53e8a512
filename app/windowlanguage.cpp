// The interface language: captions, hints, option items and messages from the files in land/.
#include "app/lottozahlen.h"

namespace quorix {

QString languageCode(int index) {
    static constexpr const char *kCodes[] = {"de", "en", "fr", "sp", "tr", "ru", "nl", "cz", "pl", "it"};
    if (index < 0 || index >= static_cast<int>(std::size(kCodes))) return {};
    return QString::fromLatin1(kCodes[index]);
}

bool LottoZahlen::selectLanguage(int index) {
    m_language = index;
    const QString code = languageCode(index);
    if (code.isEmpty()) return false;
    return m_messages.loadLanguage(m_programFolder, code);
}

} // namespace quorix
