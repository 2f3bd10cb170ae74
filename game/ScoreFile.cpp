// Reading, converting and atomically rewriting the score file.
#include "ScoreFile.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void cannotOpen(const std::string& path)
{
    throw std::runtime_error("Cannot open file " + path);
}

[[noreturn]] void cannotCreate(const std::string& path)
{
    throw std::runtime_error("Cannot create file " + path);
}

[[noreturn]] void streamWriteError()
{
    throw std::runtime_error("Stream write error");
}

[[noreturn]] void notAnInteger(const std::string& line)
{
    throw std::runtime_error("'" + line + "' is not a valid integer value");
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now, so that a failing close can be reported.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

// Creates a new file beside `path` that no one else holds; its name is returned in `name`.
int createTemporary(const std::string& path, std::string& name)
{
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(stamp) + "-"
            + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeWhole(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

ScoreFile::ScoreFile(std::string path) : path_(std::move(path)) {}

std::vector<std::string> ScoreFile::load() const
{
    // O_NONBLOCK keeps a FIFO put in the file's place from hanging the game.
    FileDescriptor file(::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || S_ISDIR(info.st_mode))
        cannotOpen(path_);

    // The size the file has now, read in one piece; a file that shrinks meanwhile gives less.
    std::string bytes(S_ISREG(info.st_mode) ? static_cast<std::size_t>(info.st_size) : 0, '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(file.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            cannotOpen(path_);
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return splitLines(bytes);
}

void ScoreFile::save(const std::vector<std::string>& lines) const
{
    const std::string text = joinLines(lines);

    // The file must be writable as it stands, as if it were to be overwritten in place: a
    // read-only file, a folder or anything else that is not a plain file is not replaced.
    mode_t mode = 0;
    bool exists = false;
    {
        FileDescriptor target(::open(path_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
        if (target.get() >= 0) {
            struct stat info {};
            if (::fstat(target.get(), &info) != 0 || !S_ISREG(info.st_mode))
                cannotCreate(path_);
            mode = info.st_mode & 07777;
            exists = true;
        } else if (errno != ENOENT) {
            cannotCreate(path_);
        }
    }

    std::string temporary;
    FileDescriptor file(createTemporary(path_, temporary));
    if (file.get() < 0)
        cannotCreate(path_);
    bool complete = false;
    struct RemoveUnlessComplete {
        const std::string& name;
        const bool& complete;
        ~RemoveUnlessComplete()
        {
            if (!complete)
                ::unlink(name.c_str());
        }
    } removeUnlessComplete{temporary, complete};

    if (exists && ::fchmod(file.get(), mode) != 0)
        cannotCreate(path_);
    if (!writeWhole(file.get(), text) || ::fsync(file.get()) != 0 || !file.close())
        streamWriteError();
    if (::rename(temporary.c_str(), path_.c_str()) != 0)
        cannotCreate(path_);
    complete = true;

    // Makes the rename itself durable; the new content is already in place if this fails.
    FileDescriptor folder(::open(folderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
}

std::vector<std::string> ScoreFile::splitLines(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", at), bytes.size());
        lines.emplace_back(bytes.substr(at, end - at));
        at = end;
        if (at < bytes.size() && bytes[at] == '\r')
            ++at;
        if (at < bytes.size() && bytes[at] == '\n')
            ++at;
    }
    return lines;
}

std::string ScoreFile::joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::int32_t ScoreFile::toInteger(const std::string& line)
{
    std::size_t at = line.find_first_not_of(' ');
    if (at == std::string::npos)
        notAnInteger(line);

    const std::string_view rest = std::string_view(line).substr(at);
    std::size_t prefix = 0;
    if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')
        prefix = 1;
    else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X'))
        prefix = 2;

    if (prefix > 0) {
        const std::string_view digits = rest.substr(prefix);
        if (digits.empty())
            notAnInteger(line);
        std::uint64_t value = 0;
        for (char c : digits) {
            const int d = hexDigit(c);
            if (d < 0)
                notAnInteger(line);
            value = value * 16 + static_cast<std::uint64_t>(d);
            if (value > 0xFFFFFFFFu)
                notAnInteger(line);
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    const bool negative = rest[0] == '-';
    const std::string_view digits = (rest[0] == '-' || rest[0] == '+') ? rest.substr(1) : rest;
    if (digits.empty())
        notAnInteger(line);
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            notAnInteger(line);
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit)
            notAnInteger(line);
    }
    return negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(value))
                    : static_cast<std::int32_t>(value);
}
