#include "ElapsedTime.h"

namespace {

// The notice's time pattern: a letter stands for a field, quoted text is copied
// without its quotes, anything else is copied as it is.
constexpr std::string_view timePattern = R"(h "heures " n "minutes" s "secondes" "et" z "millisecondes !")";

} // namespace

std::string FormatElapsedTime(std::int64_t elapsedMilliseconds)
{
    // Unsigned, so that the smallest int64 has an absolute value too.
    std::uint64_t magnitude = elapsedMilliseconds < 0 ? 0 - std::uint64_t(elapsedMilliseconds)
                                                      : std::uint64_t(elapsedMilliseconds);
    const std::uint64_t t = magnitude % 86'400'000;
    const std::uint64_t fields[] = {t / 3'600'000, t / 60'000 % 60, t / 1000 % 60, t % 1000};

    std::string text;
    bool quoted = false;
    for (const char c : timePattern) {
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted) {
            text += c;
        } else if (c == 'h' || c == 'n' || c == 's' || c == 'z') {
            const int field = c == 'h' ? 0 : c == 'n' ? 1 : c == 's' ? 2 : 3;
            text += std::to_string(fields[field]);
        } else {
            text += c;
        }
    }
    return text;
}
