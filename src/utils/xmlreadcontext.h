#pragma once
// A cursor over one node's children that a reader walks in the order it expects them, with a
// warning on standard output whenever the document's order differs from the reader's.
#include "utils/xmlnode.h"

#include <cstddef>
#include <string>
#include <utility>

namespace kolm {

class XmlReadContext {
public:
    // Warnings on, cursor on the first child, no file label and line 0 until the reader sets them.
    explicit XmlReadContext(XmlNode* node);

    void SetFileLabel(std::string file) { file_ = std::move(file); }
    void SetLine(int line) { line_ = line; }
    void SetWarnings(bool on) { warnings_ = on; }

    // True when any child has that name (the child at the cursor is tested first).
    bool HasChild(const std::string& name) const;
    // The child expected next when it has that name, the cursor moving past it. Otherwise the
    // first child of that name, after the order warning, with the cursor put on it (not past
    // it). Null, after at most the no-children-left warning, when no child has that name.
    XmlNode* GetChild(const std::string& name);
    // Reads the found child's content as a decimal integer into target (no number reads as 0);
    // leaves target alone when there is no such child.
    void ReadChildContentAsInt(const std::string& name, int& target);

    XmlNode* Root() const { return root_; }
    std::size_t Cursor() const { return cursor_; }

private:
    bool ChildAtCursorIs(const std::string& name) const;
    // Index of the first child of that name, npos when there is none.
    std::size_t FirstChildNamed(const std::string& name) const;
    void Warn(const char* message) const;

    std::string file_;
    int line_ = 0;
    bool warnings_ = true;
    XmlNode* current_;
    std::size_t cursor_ = 0;
    XmlNode* root_;
};

} // namespace kolm
