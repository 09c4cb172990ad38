#include "utils/playerfile.h"

#include "utils/log.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolm {
namespace {

constexpr int kLockAttempts = 200; // 10 ms apart
constexpr std::size_t kLongestQuote = 40;

std::string Failed(const std::string& what) { return what + ": " + std::strerror(errno); }

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes it now, for the close's own error; true when the descriptor was closed cleanly.
    bool Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return close(fd) == 0;
    }

private:
    int fd_;
};

// Makes every missing folder of the file's path; the one that cannot be made in error.
bool MakeParentFolders(const std::string& path, std::string& error)
{
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
            error = Failed("cannot make the folder " + folder);
            return false;
        }
    }
    return true;
}

// Takes the exclusive lock of the file (flock, released when the descriptor closes).
bool TakeLock(const Descriptor& lock, const std::string& lockPath, std::string& error)
{
    if (lock.Get() < 0) {
        error = Failed("cannot open the lock file " + lockPath);
        return false;
    }
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        if (flock(lock.Get(), LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            error = Failed("cannot lock " + lockPath);
            return false;
        }
        usleep(10000);
    }
    error = "another program kept " + lockPath + " locked for two seconds";
    return false;
}

bool WriteAll(int fd, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t now = write(fd, text.data() + written, text.size() - written);
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0)
            return false;
        written += static_cast<std::size_t>(now);
    }
    return true;
}

// Writes the text to the file and syncs it to the disk.
bool WriteSynced(const std::string& path, const std::string& text, std::string& error)
{
    Descriptor file(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (file.Get() < 0) {
        error = Failed("cannot create " + path);
        return false;
    }
    if (!WriteAll(file.Get(), text) || fsync(file.Get()) != 0 || !file.Close()) {
        error = Failed("cannot write " + path);
        return false;
    }
    return true;
}

// Syncs the folder, so that the rename itself is on the disk too. A file system that cannot sync
// a folder has still renamed the file whole: that is not a failure.
void SyncFolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const Descriptor descriptor(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.Get() >= 0)
        fsync(descriptor.Get());
}

PlayerFileText Unusable(const std::string& problem)
{
    PlayerFileText result;
    result.state = PlayerFileText::State::kUnusable;
    result.problem = problem;
    return result;
}

} // namespace

PlayerFileText ReadPlayerFile(const std::string& path, std::size_t limit)
{
    // Not blocking: a named pipe in the file's place must not hold the game up.
    const Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0)
        return errno == ENOENT || errno == ENOTDIR ? PlayerFileText() : Unusable(Failed("cannot be opened"));
    struct stat status;
    if (fstat(file.Get(), &status) != 0)
        return Unusable(Failed("cannot be read"));
    if (S_ISDIR(status.st_mode))
        return Unusable("is a folder");
    if (!S_ISREG(status.st_mode))
        return Unusable("is not a regular file");
    const std::string tooLarge = limit >= (1u << 20) ? "is larger than " + std::to_string(limit >> 20) + " MiB"
                                                     : "is larger than " + std::to_string(limit / 1024) + " KiB";
    if (static_cast<std::size_t>(status.st_size) > limit)
        return Unusable(tooLarge);
    PlayerFileText result;
    char buffer[4096];
    while (result.text.size() <= limit) {
        const ssize_t got = read(file.Get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Unusable(Failed("cannot be read"));
        if (got == 0)
            break;
        result.text.append(buffer, static_cast<std::size_t>(got));
    }
    if (result.text.size() > limit)
        return Unusable(tooLarge);
    if (result.text.find('\0') != std::string::npos)
        return Unusable("holds a NUL byte: it is not a text file");
    result.state = PlayerFileText::State::kRead;
    return result;
}

bool SavePlayerFile(const std::string& path, const std::function<std::string(const PlayerFileText& present)>& makeText,
                    std::string& error, const std::string& folderLock)
{
    if (!MakeParentFolders(path, error))
        return false;
    const std::string lockPath = folderLock.empty() ? path + ".lock" : folderLock;
    const Descriptor lock(open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!TakeLock(lock, lockPath, error))
        return false;
    // Only the holder of the lock writes the temporary file, so one name is enough, and a file
    // left by a game killed in the middle of a save is simply written over.
    const std::string temporary = path + ".new";
    if (!WriteSynced(temporary, makeText(ReadPlayerFile(path)), error)) {
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = Failed("cannot rename " + temporary + " to " + path);
        std::remove(temporary.c_str());
        return false;
    }
    SyncFolderOf(path);
    return true;
}

std::string PlayerFilePath(const char* variable, const char* fallback, const std::string& name)
{
    const char* folder = std::getenv(variable);
    if (folder && folder[0] == '/')
        return std::string(folder) + "/tobrakka/" + name;
    const char* home = std::getenv("HOME");
    if (home && home[0])
        return std::string(home) + "/" + fallback + "/tobrakka/" + name;
    return std::string();
}

void ReportFileProblems(const std::string& path, const std::vector<FileProblem>& problems)
{
    for (const FileProblem& problem : problems) {
        const std::string message = path + ":" + std::to_string(problem.line) + ": " + problem.what;
        WarnOnce(message, message);
    }
}

std::string QuotedFromFile(const std::string& text)
{
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size() && i < kLongestQuote; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7f) {
            quoted += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            quoted += escaped;
        }
    }
    return quoted + (text.size() > kLongestQuote ? "...\"" : "\"");
}

} // namespace kolm
