#pragma once
// Reads a text file line by line the way every reader of the game's files does: each line comes
// without its line end, and one carriage return before the line end is dropped too, so files
// saved with Windows line ends read as they do on Windows. A UTF-8 byte-order mark at the start
// of the file, which some editors write, is dropped as well.
#include <iosfwd>
#include <string>

namespace kolm {

class LineReader {
public:
    // The stream is not owned and must outlive the reader.
    explicit LineReader(std::istream& in);

    // The next line; false at the end of the stream or at a read error (a folder named as the
    // file). A last line without a line end is still read.
    bool Next(std::string& line);

private:
    std::istream& in_;
    bool first_ = true;
};

} // namespace kolm
