#pragma once

#include <chrono>
#include <filesystem>

#include "core/base/result.h"

namespace quorix {

// The exclusive right to write one draw file, held by one process at a time. It is a lock on a
// file beside the draw file ("ZahlenCH.dat.lock"), which the kernel releases when the holder
// ends in any way, so a crashed writer never leaves a stale lock behind. Every writer of the
// draw file takes it: the window, quorix-cli and any second copy of either.
class DrawFileLock {
public:
    static constexpr std::chrono::milliseconds kDefaultWait{5000};

    // Waits up to `wait` for the lock of `drawFile` (the file as it is named; a symbolic link
    // is followed to the file it points to, so every name of one file shares one lock). A lock
    // name taken by anything but a regular file (a link, a folder, a FIFO) is refused with an
    // error naming it, never followed or waited on.
    static Result<DrawFileLock> acquire(const std::filesystem::path &drawFile,
                                        std::chrono::milliseconds wait = kDefaultWait);
    // The file the writers replace: `drawFile` with its symbolic links followed.
    static std::filesystem::path resolvedTarget(const std::filesystem::path &drawFile);
    static std::filesystem::path lockPathFor(const std::filesystem::path &drawFile);

    DrawFileLock(DrawFileLock &&other) noexcept;
    DrawFileLock &operator=(DrawFileLock &&other) noexcept;
    DrawFileLock(const DrawFileLock &) = delete;
    DrawFileLock &operator=(const DrawFileLock &) = delete;
    ~DrawFileLock();

private:
    explicit DrawFileLock(int fd)
        : m_fd(fd) {}
    int m_fd = -1;
};

} // namespace quorix
