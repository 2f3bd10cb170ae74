// The score file: a text file of lines whose first line is the best score. Every failure is a
// std::runtime_error carrying the exact message, with the path as the caller named it.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* ScoreFilePath = "data/data.iso";

class ScoreFile {
public:
    explicit ScoreFile(std::string path);

    // All lines of the file. "Cannot open file %s" when it is missing, a folder, or unreadable.
    std::vector<std::string> load() const;

    // Replaces the whole file with `lines`, each followed by CR LF. The text goes to a temporary
    // file beside it, which is renamed over the file only once it is complete and on disk, so a
    // failure leaves the former content as it was. "Cannot create file %s" when the folder is
    // missing or the file (or its folder) cannot be written; "Stream write error" when the text
    // cannot be written whole.
    void save(const std::vector<std::string>& lines) const;

    // Splits bytes into lines: a line ends at CR, LF or CR LF (LF CR is two breaks), a NUL ends
    // the text, and a break at the very end adds no empty line.
    static std::vector<std::string> splitLines(std::string_view bytes);

    // Each line followed by CR LF.
    static std::string joinLines(const std::vector<std::string>& lines);

    // Leading spaces, then decimal with an optional sign in the 32-bit range, or hexadecimal after
    // "$", "x", "X", "0x" or "0X" up to FFFFFFFF (the upper half being the negative numbers),
    // with nothing after the digits. Otherwise "'%s' is not a valid integer value".
    static std::int32_t toInteger(const std::string& line);

private:
    std::string path_;
};
