// A hostile old draw file of 16-byte records: converting it to the current file widens every
// whole record, drops a torn tail and leaves the old file as it was.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "core/drawfile.h"
#include "fuzzsupport.h"

using namespace quorix;
using quorix::fuzz::check;

namespace {
std::string readBytes(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const quorix::fuzz::ScratchFolder folder("legacydrawfile");
    const std::filesystem::path legacy = folder.path() / DrawFile::kLegacyFileName;
    quorix::fuzz::writeFile(legacy, data, size);
    const DrawFile file = DrawFile::inFolder(folder.path());
    check(file.convertLegacy(legacy).ok(), "an old file converts");

    const std::string converted = readBytes(file.path());
    const std::size_t records = size / DrawRecord::kLegacySize;
    check(converted.size() == records * DrawRecord::kSize, "every whole old record becomes one record");
    for (std::size_t i = 0; i < records; ++i) {
        const char *rec = converted.data() + i * DrawRecord::kSize;
        check(std::memcmp(rec, data + i * DrawRecord::kLegacySize, DrawRecord::kLegacySize) == 0,
              "the old record's bytes are kept");
        for (std::size_t b = DrawRecord::kLegacySize; b < DrawRecord::kSize; ++b)
            check(rec[b] == 0, "the widened part is zero");
    }
    const auto draws = file.readAll();
    check(draws && draws->size() == records, "the converted file reads back");
    const std::string old = readBytes(legacy);
    check(old.size() == size && (size == 0 || std::memcmp(old.data(), data, size) == 0),
          "the old file stays as it was");
    return 0;
}
