#include "SeedText.h"

namespace kv {
namespace {

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
}

} // namespace

QString SeedToText(std::int32_t seed) {
    return QStringLiteral("%1")
        .arg(static_cast<std::uint32_t>(seed), 8, 16, QLatin1Char('0'))
        .toUpper();
}

std::optional<std::int32_t> SeedFromText(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (const QChar c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        if (significant > 0 || digit != 0) ++significant;
        if (significant > 8) return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

QString InvalidSeedText(const QString& text) {
    return QStringLiteral("'$%1' is not a valid integer value").arg(text);
}

} // namespace kv
