#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <vector>

#include "core/draw.h"
#include "core/result.h"

namespace quorix {

// Decodes the whole 24-byte records at the front of `bytes` and calls visit(draw, firstIndex + i)
// for each, front to back; bytes behind the last whole record (a torn tail) are left alone.
// False when visit returned false.
bool visitDrawRecords(std::span<const std::uint8_t> bytes, std::size_t firstIndex,
                      const std::function<bool(const Draw &, std::size_t)> &visit);

// The draw history file ZahlenCH.dat: 24-byte records in ascending date order, no header.
// Every operation opens the file and closes it before it returns; failures come back as
// errors carrying the operating system's message.
class DrawFile {
public:
    static constexpr const char *kFileName = "ZahlenCH.dat";
    static constexpr const char *kLegacyFileName = "Zahlen.dat";

    explicit DrawFile(std::filesystem::path path);
    // The draw file inside a program folder.
    static DrawFile inFolder(const std::filesystem::path &folder);

    const std::filesystem::path &path() const { return m_path; }

    bool exists() const;
    Result<void> createEmpty() const;
    // Calls visit(draw, index) front to back over the whole records; visit returns false to stop.
    // Bytes beyond the last whole record are never read.
    Result<void> scan(const std::function<bool(const Draw &, std::size_t)> &visit) const;
    Result<std::vector<Draw>> readAll() const;
    // The last record; the all-zero draw when the file is empty.
    Result<Draw> readLast() const;
    // Writes one record behind the last whole record (a torn tail is overwritten). On failure
    // the file keeps its previous whole records.
    Result<void> append(const Draw &draw) const;
    // Writes the whole sequence to `temporary` (default: the file name with "~"), flushes and
    // closes it, then renames it over the draw file. On any failure the old file is untouched.
    Result<void> rewrite(const std::vector<Draw> &draws, std::filesystem::path temporary = {}) const;
    // Builds this file from a legacy 16-byte-record file: bytes 0..15 copied, 16..23 zero.
    // Written atomically as rewrite does; the legacy file stays in place.
    Result<void> convertLegacy(const std::filesystem::path &legacy) const;

private:
    std::filesystem::path m_path;
};

} // namespace quorix
