#pragma once
// Lists the names in a directory that match a wildcard mask such as "data/sfx/*.wav":
// matching sub-directories first, then matching files, each group in the order the file
// system gives them.
#include <string>
#include <vector>

namespace kolm {

// Case-sensitive match of name against a mask made of literal pieces and "*".
bool WildcardMatch(const std::string& name, const std::string& mask);

class DirectoryListing {
public:
    // Empties the list and fills it from the path pattern; the read position goes to the start.
    void Read(const std::string& pattern);
    bool AtEnd() const;
    // The name at the read position (empty at the end); moves the position on by one.
    std::string Next();

    const std::vector<std::string>& Names() const { return names_; }

private:
    std::vector<std::string> names_;
    std::size_t position_ = 0;
};

} // namespace kolm
