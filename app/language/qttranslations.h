#pragma once

class QCoreApplication;
class QString;

namespace quorix {

// Qt's own texts (the buttons of message and input boxes, the file dialog) in the language `code`
// ("de"), from the translations Qt ships. A later call replaces the earlier language. False when
// Qt has no translation for the code; Qt's English texts show then.
bool installQtTranslations(QCoreApplication &app, const QString &code);

} // namespace quorix
