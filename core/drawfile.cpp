#include "core/drawfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorix {

namespace {
struct FileCloser {
    void operator()(std::FILE *f) const {
        if (f) std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

Error osError(const std::string &what, const std::filesystem::path &path, int err) {
    return {err == ENOENT ? Error::Code::NotFound : Error::Code::Io,
            what + " " + path.string() + ": " + std::strerror(err)};
}

// Flushes the stream's buffer and the file's data to the disk, then closes it.
Result<void> flushAndClose(FilePtr file, const std::filesystem::path &path) {
    std::FILE *f = file.release();
    int err = 0;
    if (std::fflush(f) != 0) err = errno;
    if (!err && ::fsync(fileno(f)) != 0) err = errno;
    if (std::fclose(f) != 0 && !err) err = errno;
    if (err) return osError("Cannot write", path, err);
    return {};
}

Result<void> writeAllAtomically(const std::filesystem::path &target, std::filesystem::path temporary,
                                const std::function<Result<void>(std::FILE *)> &write) {
    if (temporary.empty()) temporary = target.string() + "~";
    FilePtr out(std::fopen(temporary.c_str(), "wb"));
    if (!out) return osError("Cannot create", temporary, errno);
    Result<void> written = write(out.get());
    if (written) written = flushAndClose(std::move(out), temporary);
    if (!written) {
        out.reset();
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return written;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, target, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return ioError("Cannot replace " + target.string() + ": " + ec.message());
    }
    return {};
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
    FilePtr f(std::fopen(m_path.c_str(), "wb"));
    if (!f) return osError("Cannot create", m_path, errno);
    return flushAndClose(std::move(f), m_path);
}

Result<void> DrawFile::scan(const std::function<bool(const Draw &, std::size_t)> &visit) const {
    FilePtr f(std::fopen(m_path.c_str(), "rb"));
    if (!f) return osError("Cannot open", m_path, errno);
    // Blocks of whole records; a torn tail is left unread.
    constexpr std::size_t kBlock = 1024;
    std::vector<std::uint8_t> buffer(kBlock * DrawRecord::kSize);
    std::size_t index = 0;
    std::size_t carry = 0;
    for (;;) {
        const std::size_t got = std::fread(buffer.data() + carry, 1, buffer.size() - carry, f.get());
        if (got == 0 && std::ferror(f.get())) return osError("Cannot read", m_path, errno);
        const std::size_t have = carry + got;
        const std::size_t whole = have / DrawRecord::kSize;
        if (!visitDrawRecords({buffer.data(), have}, index, visit)) return {};
        index += whole;
        carry = have - whole * DrawRecord::kSize;
        if (got == 0 || std::feof(f.get())) break;
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

Result<void> DrawFile::append(const Draw &draw) const {
    const int fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT, 0644);
    if (fd < 0) return osError("Cannot open", m_path, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return osError("Cannot read", m_path, err);
    }
    const off_t whole = st.st_size - st.st_size % static_cast<off_t>(DrawRecord::kSize);
    const DrawRecord rec = DrawRecord::fromDraw(draw);
    const ssize_t written = ::pwrite(fd, rec.bytes.data(), rec.bytes.size(), whole);
    int err = written == static_cast<ssize_t>(rec.bytes.size()) ? 0 : (written < 0 ? errno : ENOSPC);
    // Drop a torn tail behind the new record, and undo a partial write.
    if (!err && ::ftruncate(fd, whole + static_cast<off_t>(DrawRecord::kSize)) != 0) err = errno;
    if (err) {
        if (::ftruncate(fd, st.st_size) != 0) { /* the original error is the one to report */
        }
        ::close(fd);
        return osError("Cannot write", m_path, err);
    }
    if (::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (err) return osError("Cannot write", m_path, err);
    return {};
}

Result<void> DrawFile::rewrite(const std::vector<Draw> &draws, std::filesystem::path temporary) const {
    return writeAllAtomically(m_path, std::move(temporary), [&](std::FILE *out) -> Result<void> {
        for (const Draw &d : draws) {
            const DrawRecord r = DrawRecord::fromDraw(d);
            if (std::fwrite(r.bytes.data(), 1, r.bytes.size(), out) != r.bytes.size())
                return osError("Cannot write", m_path, errno);
        }
        return {};
    });
}

Result<void> DrawFile::convertLegacy(const std::filesystem::path &legacy) const {
    FilePtr in(std::fopen(legacy.c_str(), "rb"));
    if (!in) return osError("Cannot open", legacy, errno);
    return writeAllAtomically(m_path, {}, [&](std::FILE *out) -> Result<void> {
        std::array<std::uint8_t, DrawRecord::kSize> rec{};
        for (;;) {
            rec.fill(0);
            const std::size_t got = std::fread(rec.data(), 1, DrawRecord::kLegacySize, in.get());
            if (got < DrawRecord::kLegacySize) {
                if (std::ferror(in.get())) return osError("Cannot read", legacy, errno);
                break;
            }
            if (std::fwrite(rec.data(), 1, rec.size(), out) != rec.size())
                return osError("Cannot write", m_path, errno);
        }
        return {};
    });
}

} // namespace quorix
