// A hostile old draw file of 16-byte records: converting it to the current file either refuses
// it, leaving both files as they were, or (a plausible history: whole records, dates from 1970 to
// a year after today in ascending order) widens every record and leaves the old file as it was.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "core/history/drawfile.h"
#include "fuzzsupport.h"

using namespace quorix;
using quorix::fuzz::check;

namespace {
std::string readBytes(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const DaySerial kToday = serialFromYmd(2026, 1, 1);

// The check spelled out independently of the converter.
bool plausible(const std::uint8_t *data, std::size_t size) {
    if (size % DrawRecord::kLegacySize != 0) return false;
    double previous = serialFromYmd(1970, 1, 1);
    for (std::size_t at = 0; at < size; at += DrawRecord::kLegacySize) {
        double date = 0;
        std::memcpy(&date, data + at, sizeof date);
        if (!std::isfinite(date) || date < previous || date > kToday + 366.0) return false;
        previous = date;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const quorix::fuzz::ScratchFolder folder("legacydrawfile");
    const std::filesystem::path legacy = folder.path() / DrawFile::kLegacyFileName;
    quorix::fuzz::writeFile(legacy, data, size);
    const DrawFile file = DrawFile::inFolder(folder.path());
    const auto converted = file.convertLegacy(legacy, kToday);
    const std::string old = readBytes(legacy);
    check(old.size() == size && (size == 0 || std::memcmp(old.data(), data, size) == 0),
          "the old file stays as it was");
    if (!plausible(data, size)) {
        check(!converted.ok(), "an implausible old file is refused");
        check(!converted.error().message.empty(), "the refusal says why");
        check(!file.exists(), "a refused old file leaves no draw file");
        return 0;
    }
    check(converted.ok(), "a plausible old file converts");

    const std::string bytes = readBytes(file.path());
    const std::size_t records = size / DrawRecord::kLegacySize;
    check(bytes.size() == records * DrawRecord::kSize, "every old record becomes one record");
    for (std::size_t i = 0; i < records; ++i) {
        const char *rec = bytes.data() + i * DrawRecord::kSize;
        check(std::memcmp(rec, data + i * DrawRecord::kLegacySize, DrawRecord::kLegacySize) == 0,
              "the old record's bytes are kept");
        for (std::size_t b = DrawRecord::kLegacySize; b < DrawRecord::kSize; ++b)
            check(rec[b] == 0, "the widened part is zero");
    }
    const auto draws = file.readAll();
    check(draws && draws->size() == records, "the converted file reads back");
    check(file.checkHistory(kToday).ok(), "the converted file passes the history check");
    return 0;
}
