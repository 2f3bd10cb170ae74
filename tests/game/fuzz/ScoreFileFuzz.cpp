// Fuzz entry for the score-file reader: any bytes are split into lines and the first line
// converted, and the result must be a value or the conversion's message, never a crash. A
// reference parser built on std::from_chars checks every value and every refusal.
#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ScoreFile.h"

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

// What the first line converts to, worked out another way; none when it is not an integer.
std::optional<std::int32_t> reference(std::string_view line)
{
    line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
    std::size_t prefix = 0;
    if (line.starts_with('$') || line.starts_with('x') || line.starts_with('X'))
        prefix = 1;
    else if (line.starts_with("0x") || line.starts_with("0X"))
        prefix = 2;
    if (prefix > 0) {
        const std::string_view digits = line.substr(prefix);
        std::uint64_t value = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || value > 0xFFFFFFFFu)
            return std::nullopt;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    if (line.starts_with('+')) {
        line.remove_prefix(1);
        if (line.starts_with('-'))
            return std::nullopt;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value, 10);
    if (line.empty() || error != std::errc() || end != line.data() + line.size() || value < INT32_MIN
        || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = ScoreFile::splitLines(bytes);

    // Lines hold no break and no NUL, and a save followed by a read gives them back unchanged.
    std::size_t total = 0;
    for (const std::string& line : lines) {
        check(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);
        total += line.size();
    }
    check(total <= size);
    check(ScoreFile::splitLines(ScoreFile::joinLines(lines)) == lines);

    if (lines.empty())
        return 0;  // the round refuses this file with "List index out of bounds (0)"
    const std::optional<std::int32_t> expected = reference(lines[0]);
    try {
        const std::int32_t value = ScoreFile::toInteger(lines[0]);
        check(expected == value);
    } catch (const std::runtime_error& e) {
        check(!expected);
        check(e.what() == "'" + lines[0] + "' is not a valid integer value");
    }
    return 0;
}
