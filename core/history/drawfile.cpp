#include "core/history/drawfile.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/base/atomicfile.h"
#include "core/base/regularfile.h"

namespace quorix {

namespace {
using RecordBytes = std::array<std::uint8_t, DrawRecord::kSize>;

// The whole file as it is on disk; a file larger than `maxBytes`, or one that is no regular
// file, is refused unread.
Result<std::vector<std::uint8_t>> readBytes(const std::filesystem::path &path, std::size_t maxBytes) {
    auto text = readRegularFile(path, maxBytes);
    if (!text) return text.error();
    return std::vector<std::uint8_t>(text->begin(), text->end());
}

std::vector<RecordBytes> wholeRecords(const std::vector<std::uint8_t> &bytes) {
    std::vector<RecordBytes> records(bytes.size() / DrawRecord::kSize);
    for (std::size_t i = 0; i < records.size(); ++i)
        std::memcpy(records[i].data(), bytes.data() + i * DrawRecord::kSize, DrawRecord::kSize);
    return records;
}

Draw decode(const RecordBytes &bytes) {
    DrawRecord r;
    r.bytes = bytes;
    return r.toDraw();
}

double storedDate(const RecordBytes &bytes) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(bytes[static_cast<std::size_t>(i)]) << (8 * i);
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// Whether `bytes` are whole records of `recordSize` bytes (24, or 16 in the legacy file), each
// starting with a finite date from 1970 to a year after `today`, in ascending order.
Result<void> checkRecords(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes,
                          DaySerial today, std::size_t recordSize = DrawRecord::kSize) {
    const auto refuse = [&](ErrorKind why, long long record = 0) {
        Error cause = errorOf(Error::Code::BadInput, why);
        cause.line = record;
        cause.number = static_cast<long long>(bytes.size());
        cause.high = static_cast<long long>(recordSize);
        cause.low = static_cast<long long>(bytes.size() % recordSize);
        Error error = errorOf(Error::Code::BadInput, ErrorKind::NotADrawFile);
        error.path = path.string();
        error.cause = std::make_shared<const Error>(describedError(std::move(cause)));
        return describedError(std::move(error));
    };
    if (bytes.size() % recordSize != 0) return refuse(ErrorKind::DrawFileSizeOdd);
    const double earliest = serialFromYmd(1970, 1, 1);
    const double latest = static_cast<double>(today) + 366;
    double previous = earliest;
    const std::size_t count = bytes.size() / recordSize;
    for (std::size_t i = 0; i < count; ++i) {
        RecordBytes record{};
        std::memcpy(record.data(), bytes.data() + i * recordSize, sizeof(double));
        const double date = storedDate(record);
        const long long which = static_cast<long long>(i) + 1;
        if (!std::isfinite(date) || date < earliest || date > latest)
            return refuse(ErrorKind::DrawRecordUndated, which);
        if (date < previous) return refuse(ErrorKind::DrawRecordEarlier, which);
        previous = date;
    }
    return {};
}

// The bytes to store for `draws`: a draw that decodes from a stored record gets that record's
// bytes back (its filler byte, a date with a time of day), each stored record used once.
std::vector<RecordBytes> recordsFor(const std::vector<Draw> &draws, const std::vector<RecordBytes> &stored) {
    std::map<RecordBytes, std::deque<const RecordBytes *>> byEncoding;
    for (const RecordBytes &raw : stored)
        byEncoding[DrawRecord::fromDraw(decode(raw)).bytes].push_back(&raw);
    std::vector<RecordBytes> records;
    records.reserve(draws.size());
    for (const Draw &d : draws) {
        const RecordBytes encoded = DrawRecord::fromDraw(d).bytes;
        const auto it = byEncoding.find(encoded);
        if (it == byEncoding.end() || it->second.empty()) {
            records.push_back(encoded);
            continue;
        }
        records.push_back(*it->second.front());
        it->second.pop_front();
    }
    return records;
}

// Makes the rename itself durable; the file was replaced already, so a failure here is no
// reason to report the write as failed.
void syncFolder(const std::filesystem::path &folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

// The draw file opened for reading and writing, created when missing. Opening never waits (a FIFO
// would wait for a reader) and only a regular file is accepted.
Result<int> openForWriting(const std::filesystem::path &path, ErrorKind failure) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0666);
    if (fd < 0) return fileError(failure, path.string(), errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return notRegularFileError(path.string());
    }
    if (const int flags = ::fcntl(fd, F_GETFL); flags >= 0) (void)::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

// Replaces `target` (a real file, no link) by `records` through the temporary file `preferred`
// (see AtomicWriteOptions::temporary; the caller holds the lock).
Result<void> replaceFile(const std::filesystem::path &target, const std::filesystem::path &preferred,
                         const std::vector<RecordBytes> &records) {
    std::string bytes(records.size() * DrawRecord::kSize, '\0');
    for (std::size_t i = 0; i < records.size(); ++i)
        std::memcpy(bytes.data() + i * DrawRecord::kSize, records[i].data(), DrawRecord::kSize);
    AtomicWriteOptions options;
    options.temporary = preferred;
    options.keepOwnerAndMode = true;
    options.syncFolder = true;
    return writeAtomically(target, bytes, options);
}

std::filesystem::path temporaryFor(const std::filesystem::path &target,
                                   const std::filesystem::path &requested) {
    const std::filesystem::path name =
        requested.empty() ? std::filesystem::path(target.filename().string() + "~") : requested.filename();
    return target.parent_path() / name;
}

// The stored records, or none when the file is missing.
Result<std::vector<std::uint8_t>> readIfPresent(const std::filesystem::path &path) {
    auto bytes = readBytes(path, DrawFile::kMaxHistoryBytes);
    if (!bytes && bytes.error().code == Error::Code::NotFound) return std::vector<std::uint8_t>{};
    return bytes;
}
} // namespace

bool visitDrawRecords(std::span<const std::uint8_t> bytes, std::size_t firstIndex,
                      const std::function<bool(const Draw &, std::size_t)> &visit) {
    const std::size_t whole = bytes.size() / DrawRecord::kSize;
    for (std::size_t i = 0; i < whole; ++i) {
        DrawRecord r;
        std::memcpy(r.bytes.data(), bytes.data() + i * DrawRecord::kSize, DrawRecord::kSize);
        if (!visit(r.toDraw(), firstIndex + i)) return false;
    }
    return true;
}

DrawFile::DrawFile(std::filesystem::path path)
    : m_path(std::move(path)) {}

DrawFile DrawFile::inFolder(const std::filesystem::path &folder) {
    return DrawFile(folder / kFileName);
}

bool DrawFile::exists() const {
    std::error_code ec;
    return std::filesystem::is_regular_file(m_path, ec);
}

Result<void> DrawFile::createEmpty() const {
    auto lock = DrawFileLock::acquire(m_path, m_lockWait);
    if (!lock) return lock.error();
    auto opened = openForWriting(m_path, ErrorKind::CannotCreate);
    if (!opened) return opened.error();
    const int fd = *opened;
    int err = ::fsync(fd) != 0 ? errno : 0;
    if (::close(fd) != 0 && !err) err = errno;
    if (err) return fileError(ErrorKind::CannotWrite, m_path.string(), err);
    syncFolder(DrawFileLock::resolvedTarget(m_path).parent_path());
    return {};
}

Result<void> DrawFile::scan(const std::function<bool(const Draw &, std::size_t)> &visit) const {
    auto file = RegularFile::open(m_path);
    if (!file) return file.error();
    // Blocks of whole records; a torn tail is left unread.
    constexpr std::size_t kBlock = 1024;
    std::vector<std::uint8_t> buffer(kBlock * DrawRecord::kSize);
    std::size_t index = 0;
    std::size_t carry = 0;
    for (;;) {
        const ssize_t got = ::read(file->fd(), buffer.data() + carry, buffer.size() - carry);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return fileError(ErrorKind::CannotRead, m_path.string(), errno);
        if (got == 0) break;
        const std::size_t have = carry + static_cast<std::size_t>(got);
        const std::size_t whole = have / DrawRecord::kSize;
        if (!visitDrawRecords({buffer.data(), have}, index, visit)) return {};
        index += whole;
        carry = have - whole * DrawRecord::kSize;
        std::memmove(buffer.data(), buffer.data() + whole * DrawRecord::kSize, carry);
    }
    return {};
}

Result<std::vector<Draw>> DrawFile::readAll() const {
    std::vector<Draw> draws;
    std::error_code ec;
    const auto size = std::filesystem::file_size(m_path, ec);
    if (!ec) draws.reserve(static_cast<std::size_t>(size / DrawRecord::kSize));
    auto r = scan([&](const Draw &d, std::size_t) {
        draws.push_back(d);
        return true;
    });
    if (!r) return r.error();
    return draws;
}

Result<Draw> DrawFile::readLast() const {
    Draw last;
    auto r = scan([&](const Draw &d, std::size_t) {
        last = d;
        return true;
    });
    if (!r) return r.error();
    return last;
}

std::uintmax_t DrawFile::tornTailSize() const {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(m_path, ec);
    return ec ? 0 : size % DrawRecord::kSize;
}

Result<void> DrawFile::checkHistory(DaySerial today) const {
    auto bytes = readBytes(m_path, kMaxHistoryBytes);
    if (!bytes) return bytes.error();
    return checkRecords(m_path, *bytes, today);
}

Result<AppendResult> DrawFile::append(const Draw &draw) const {
    auto lock = DrawFileLock::acquire(m_path, m_lockWait);
    if (!lock) return lock.error();
    auto opened = openForWriting(m_path, ErrorKind::CannotOpen);
    if (!opened) return opened.error();
    const int fd = *opened;
    const auto failed = [&](ErrorKind what, int err) {
        ::close(fd);
        return Result<AppendResult>(fileError(what, m_path.string(), err));
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0) return failed(ErrorKind::CannotRead, errno);
    const off_t whole = st.st_size - st.st_size % static_cast<off_t>(DrawRecord::kSize);
    if (whole > 0) {
        // The newest stored draw as it is now, whatever the caller read before it took the lock.
        DrawRecord last;
        const off_t at = whole - static_cast<off_t>(DrawRecord::kSize);
        const ssize_t got = ::pread(fd, last.bytes.data(), last.bytes.size(), at);
        if (got != static_cast<ssize_t>(last.bytes.size()))
            return failed(ErrorKind::CannotRead, got < 0 ? errno : EIO);
        if (draw.date <= last.toDraw().date) {
            ::close(fd);
            return AppendResult::NotAfterNewest;
        }
    }
    const DrawRecord rec = DrawRecord::fromDraw(draw);
    // One write of a whole record at a whole-record offset: a reader, or a kill in between,
    // sees the file without it or with all of it.
    const ssize_t written = ::pwrite(fd, rec.bytes.data(), rec.bytes.size(), whole);
    int err = written == static_cast<ssize_t>(rec.bytes.size()) ? 0 : (written < 0 ? errno : ENOSPC);
    // Drop a torn tail behind the new record, and undo a partial write.
    if (!err && ::ftruncate(fd, whole + static_cast<off_t>(DrawRecord::kSize)) != 0) err = errno;
    if (err) {
        if (::ftruncate(fd, st.st_size) != 0) { /* the original error is the one to report */
        }
        return failed(ErrorKind::CannotWrite, err);
    }
    if (::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (err) return fileError(ErrorKind::CannotWrite, m_path.string(), err);
    return AppendResult::Appended;
}

Result<void> DrawFile::rewrite(const std::vector<Draw> &draws, const std::filesystem::path &temporary) const {
    auto lock = DrawFileLock::acquire(m_path, m_lockWait);
    if (!lock) return lock.error();
    const std::filesystem::path target = DrawFileLock::resolvedTarget(m_path);
    // A file that cannot be read is replaced all the same; its bytes are simply not reused.
    auto stored = readIfPresent(target);
    const std::vector<RecordBytes> old = stored ? wholeRecords(*stored) : std::vector<RecordBytes>{};
    return replaceFile(target, temporaryFor(target, temporary), recordsFor(draws, old));
}

Result<void> DrawFile::modify(const Change &change, std::optional<DaySerial> today) const {
    // A file that is plainly no history (a CSV named by mistake) gets no lock file beside it.
    if (today && exists())
        if (auto checked = checkHistory(*today); !checked) return checked;
    auto lock = DrawFileLock::acquire(m_path, m_lockWait);
    if (!lock) return lock.error();
    const std::filesystem::path target = DrawFileLock::resolvedTarget(m_path);
    auto stored = readIfPresent(target);
    if (!stored) return stored.error();
    if (today)
        if (auto checked = checkRecords(m_path, *stored, *today); !checked) return checked;
    const std::vector<RecordBytes> old = wholeRecords(*stored);
    std::vector<Draw> draws;
    draws.reserve(old.size());
    for (const RecordBytes &raw : old)
        draws.push_back(decode(raw));
    auto changed = change(draws);
    if (!changed) return changed.error();
    return replaceFile(target, temporaryFor(target, {}), recordsFor(*changed, old));
}

Result<void> DrawFile::convertLegacy(const std::filesystem::path &legacy, DaySerial today) const {
    auto lock = DrawFileLock::acquire(m_path, m_lockWait);
    if (!lock) return lock.error();
    std::error_code ec;
    if (std::filesystem::exists(m_path, ec) || ec) return {};
    auto old = readBytes(legacy, kMaxLegacyBytes);
    if (!old) return old.error();
    if (auto checked = checkRecords(legacy, *old, today, DrawRecord::kLegacySize); !checked) return checked;
    std::vector<RecordBytes> records(old->size() / DrawRecord::kLegacySize);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].fill(0);
        std::memcpy(records[i].data(), old->data() + i * DrawRecord::kLegacySize, DrawRecord::kLegacySize);
    }
    const std::filesystem::path target = DrawFileLock::resolvedTarget(m_path);
    return replaceFile(target, temporaryFor(target, {}), records);
}

} // namespace quorix
