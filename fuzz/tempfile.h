#pragma once
// One temporary file per fuzzing process, rewritten for every input: the readers under test take
// file names, so each input goes through a real file exactly as the game reads it.
#include <string>

namespace fuzzsupport {

class TempFile {
public:
    // Creates an empty file in the temporary folder whose name starts with prefix.
    explicit TempFile(const std::string& prefix);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Replaces the file's contents; aborts when the file cannot be written.
    void Write(const std::string& contents) const;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

} // namespace fuzzsupport
