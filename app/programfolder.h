#pragma once

#include <QString>

namespace quorix {

// The folder all files of the program are found in. QUORIX_HOME wins; otherwise the
// executable's folder when it is writable (portable use, the build tree); otherwise the
// per-user data folder, seeded on first use with the shipped files next to the executable.
class ProgramFolder {
public:
    static QString resolve();
    // Copies land/ and yippee.wav from `source` into `target` where they are missing.
    static void seed(const QString &source, const QString &target);
};

} // namespace quorix
