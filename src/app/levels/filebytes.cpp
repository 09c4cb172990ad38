#include "app/levels/filebytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Failed(const std::string& what) { return what + ": " + std::strerror(errno); }

// Writes the bytes into the new file and syncs them to the disk; the file is closed either way.
bool WriteSynced(int fd, const std::string& bytes)
{
    std::FILE* file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0 &&
                         fsync(fileno(file)) == 0;
    return std::fclose(file) == 0 && written;
}

void SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

} // namespace

std::string SizeText(std::size_t bytes)
{
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0)
        return std::to_string(bytes >> 20) + " MB";
    if (bytes >= 1024 && bytes % 1024 == 0)
        return std::to_string(bytes >> 10) + " KB";
    return std::to_string(bytes) + " bytes";
}

bool ReadFileBytes(const std::string& path, std::size_t limit, std::string& bytes, std::string& problem)
{
    bytes.clear();
    // Looked at before it is opened: a named pipe in the file's place must not hold the game up.
    struct stat status;
    if (stat(path.c_str(), &status) != 0) {
        problem = Failed("cannot be opened");
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        problem = S_ISDIR(status.st_mode) ? "is a folder" : "is not a regular file";
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    bytes.resize(std::min<uint64_t>(static_cast<uint64_t>(status.st_size), limit) + 1);
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (!file.eof() && !(file.good() && bytes.size() > limit)) {
        problem = Failed("cannot be read");
        bytes.clear();
        return false;
    }
    // A file that grew while it was read is as large as it now is.
    if (static_cast<uint64_t>(status.st_size) > limit || bytes.size() > limit) {
        problem = "is larger than " + SizeText(limit);
        bytes.clear();
        return false;
    }
    return true;
}

bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string& problem)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    std::string temporary = (slash == std::string::npos ? std::string() : folder) + ".tobrakka-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        problem = Failed("cannot write in " + folder);
        return false;
    }
    const bool written = WriteSynced(fd, bytes);
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        problem = Failed(written ? "cannot rename " + temporary + " to " + path : "cannot write " + path);
        std::remove(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}
