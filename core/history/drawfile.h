#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "core/base/calendar.h"
#include "core/history/draw.h"
#include "core/history/drawfilelock.h"
#include "core/base/result.h"

namespace quorix {

// Decodes the whole 24-byte records at the front of `bytes` and calls visit(draw, firstIndex + i)
// for each, front to back; bytes behind the last whole record (a torn tail) are left alone.
// False when visit returned false.
bool visitDrawRecords(std::span<const std::uint8_t> bytes, std::size_t firstIndex,
                      const std::function<bool(const Draw &, std::size_t)> &visit);

// What an append did: wrote the record, or left it out because the file's last record is dated
// the same day or later.
enum class AppendResult { Appended, NotAfterNewest };

// The draw history file ZahlenCH.dat: 24-byte records in ascending date order, no header.
// Every operation opens the file and closes it before it returns; failures come back as
// errors carrying the operating system's message. Only a regular file (or a link to one) is read
// or written: a FIFO, device or folder in its place is refused, never waited on.
//
// Every writer first takes the file's DrawFileLock, so two writers (two windows, the window and
// quorix-cli) never interleave; one that finds the lock held waits up to lockWait() and then
// fails naming the file. A rewrite never touches the file itself: it writes a temporary file
// beside the file the name resolves to, syncs it, and renames it over the file, so whatever is
// killed when, the file holds the old history or the new one.
class DrawFile {
public:
    static constexpr const char *kFileName = "ZahlenCH.dat";
    static constexpr const char *kLegacyFileName = "Zahlen.dat";
    // A history of every draw since 1970 holds well under 10,000 records (240 KB); where a file is
    // read whole, more than this is refused rather than read.
    static constexpr std::size_t kMaxHistoryBytes = std::size_t{16} * 1024 * 1024;
    static constexpr std::size_t kMaxLegacyBytes = std::size_t{16} * 1024 * 1024;

    explicit DrawFile(std::filesystem::path path);
    // The draw file inside a program folder.
    static DrawFile inFolder(const std::filesystem::path &folder);

    const std::filesystem::path &path() const { return m_path; }
    std::chrono::milliseconds lockWait() const { return m_lockWait; }
    void setLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }

    bool exists() const;
    // Creates an empty file when there is none. A file that exists is kept as it is: another
    // writer may have filled it since the caller found it missing.
    Result<void> createEmpty() const;
    // Calls visit(draw, index) front to back over the whole records; visit returns false to stop.
    // Bytes beyond the last whole record are never read.
    Result<void> scan(const std::function<bool(const Draw &, std::size_t)> &visit) const;
    Result<std::vector<Draw>> readAll() const;
    // The last record; the all-zero draw when the file is empty.
    Result<Draw> readLast() const;
    // Bytes behind the last whole record (the rest of a record whose writing was cut off), which
    // every reader ignores; 0 when the file cannot be read.
    std::uintmax_t tornTailSize() const;
    // Whether the file looks like a draw history that may be merged into: whole records only,
    // every date a finite day from 1970 to a year after `today`, in ascending order. An error
    // says what is wrong; a missing file is NotFound.
    Result<void> checkHistory(DaySerial today) const;

    // Writes one record behind the last whole record (a torn tail is overwritten), provided its
    // date follows the date of that record: decided under the lock against the file as it is then,
    // so a draw another writer brought in meanwhile is never stored twice or out of order. A draw
    // that does not follow is not written (NotAfterNewest, no error). On failure the file keeps
    // its previous whole records.
    Result<AppendResult> append(const Draw &draw) const;
    // Writes the whole sequence to a temporary file (named `temporary`'s file name, default the
    // file name with "~"; always beside the file, since only a rename within one folder replaces
    // it in one step), syncs it, and renames it over the draw file, which keeps its mode. A
    // regular file of the temporary name is a leftover of a killed writer and goes; anything else
    // of that name (a folder, a FIFO, a link) is left alone and a numbered name ("~1") is used. A
    // draw that equals a stored record is written with that record's bytes, so records the
    // caller did not change stay byte for byte. On any failure the old file is untouched.
    Result<void> rewrite(const std::vector<Draw> &draws, const std::filesystem::path &temporary = {}) const;
    // Reads the draws, hands them to `change` and writes what it returns as rewrite does, all
    // under one lock, so no other writer's change is lost in between. With `today` the file is
    // first checked as checkHistory does. A missing file counts as an empty history.
    using Change = std::function<Result<std::vector<Draw>>(const std::vector<Draw> &)>;
    Result<void> modify(const Change &change, std::optional<DaySerial> today = std::nullopt) const;
    // Builds this file from a legacy 16-byte-record file: bytes 0..15 copied, 16..23 zero.
    // Written atomically as rewrite does; the legacy file stays in place. When this file exists
    // by the time the lock is held (another copy of the program converted it), nothing is done.
    // The legacy file must look like a draw history as checkHistory means it (whole records,
    // dates from 1970 to a year after `today` in ascending order) and hold at most
    // kMaxLegacyBytes; otherwise the error says what is wrong and neither file is changed.
    Result<void> convertLegacy(const std::filesystem::path &legacy, DaySerial today) const;

private:
    std::filesystem::path m_path;
    std::chrono::milliseconds m_lockWait = DrawFileLock::kDefaultWait;
};

} // namespace quorix
