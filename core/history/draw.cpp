#include "core/history/draw.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace quorix {

int Draw::crossSum() const {
    int sum = 0;
    for (int n : numbers)
        sum += n;
    return sum;
}

std::string Draw::jokerString() const {
    std::string s;
    for (int d : joker)
        s += std::to_string(d);
    return s;
}

void Draw::appendValueFields(std::string &line) const {
    // Piece by piece: GCC 12 reports a false -Wrestrict overlap for "," + std::to_string(n).
    for (int n :
         {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5], bonus, lucky, replay}) {
        line += ',';
        line += std::to_string(n);
    }
}

namespace {
std::uint8_t toByte(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

void putDouble(std::uint8_t *p, double v) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

double getDouble(const std::uint8_t *p) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(p[i]) << (8 * i);
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

DaySerial dayFromDouble(double v) {
    // A record from outside may hold any bit pattern; keep the conversion defined.
    if (!std::isfinite(v)) return 0;
    const double f = std::floor(v);
    if (f < -1e6 || f > 3e6) return 0;
    return static_cast<DaySerial>(f);
}
} // namespace

DrawRecord DrawRecord::fromDraw(const Draw &draw) {
    DrawRecord r;
    putDouble(r.bytes.data(), static_cast<double>(draw.date));
    for (std::size_t i = 0; i < 6; ++i)
        r.bytes[8 + i] = toByte(draw.numbers[i]);
    r.bytes[14] = toByte(draw.bonus);
    r.bytes[15] = toByte(draw.lucky);
    r.bytes[16] = toByte(draw.replay);
    for (std::size_t i = 0; i < 6; ++i)
        r.bytes[17 + i] = toByte(draw.joker[i]);
    r.bytes[23] = 0;
    return r;
}

Draw DrawRecord::toDraw() const {
    Draw d;
    d.date = dayFromDouble(getDouble(bytes.data()));
    for (std::size_t i = 0; i < 6; ++i)
        d.numbers[i] = bytes[8 + i];
    d.bonus = bytes[14];
    d.lucky = bytes[15];
    d.replay = bytes[16];
    for (std::size_t i = 0; i < 6; ++i)
        d.joker[i] = bytes[17 + i];
    return d;
}

} // namespace quorix
