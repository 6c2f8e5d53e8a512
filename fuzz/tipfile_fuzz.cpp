// The tip file (.zqt): any file reads into a sheet, and that sheet survives saving.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/text/textlines.h"
#include "fuzzsupport.h"
#include "output/tipfile.h"

using namespace quorix;
using quorix::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const TipSheet read = TipFile::parse(bytes);
    for (const TipRow &row : read.rows) {
        check(!row.locked, "no row reads as locked");
        check(isValidUtf8(row.lucky), "the lucky text is UTF-8");
        for (const std::string &number : row.numbers) {
            check(isValidUtf8(number), "a field is UTF-8");
            check(number.find(',') == std::string::npos, "a field holds no comma");
        }
    }
    const std::string text = TipFile::format(read);
    check(TipFile::parse(text) == read, "a read sheet survives saving");
    check(TipFile::format(TipFile::parse(text)) == text, "saving is stable");
    return 0;
}
