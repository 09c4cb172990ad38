#include "tempfile.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace fuzzsupport {

TempFile::TempFile(const std::string& prefix)
{
    const char* folder = std::getenv("TMPDIR");
    std::string pattern = std::string(folder && *folder ? folder : "/tmp") + "/" + prefix + "-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        std::perror("mkstemp");
        std::abort();
    }
    close(fd);
    path_ = name.data();
}

TempFile::~TempFile() { std::remove(path_.c_str()); }

void TempFile::Write(const std::string& contents) const
{
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    const bool written = file && std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    if (!file || std::fclose(file) != 0 || !written) {
        std::perror(path_.c_str());
        std::abort();
    }
}

} // namespace fuzzsupport
