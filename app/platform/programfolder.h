#pragma once

#include <QString>

namespace quorix {

// The folder all files of the program are found in. QUORIX_HOME wins; otherwise the
// executable's folder when it is writable (portable use, the build tree); otherwise the
// per-user data folder. A QUORIX_HOME or per-user folder is given the shipped files it lacks
// (those next to the executable, or in ../share/quorix of an installed program).
class ProgramFolder {
public:
    static QString resolve();
    // Copies land/ and yippee.wav from `source` into `target` where they are missing.
    static void seed(const QString &source, const QString &target);
};

} // namespace quorix
