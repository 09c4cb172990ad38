#pragma once
// The tolerant line-fed XML reader: cuts the lines of a document into text runs and tags and
// reports them to a handler. It never rejects a document; it reports whatever the tags say.
#include "utils/xmlhandler.h"

#include <iosfwd>
#include <string>

namespace kolm {

class XmlParser {
public:
    // The handler is not owned and must outlive the parser. With trim on, blanks around lines,
    // text runs and tags are removed.
    explicit XmlParser(CXmlHandlerInterface& handler, bool trim = true);

    // Reports StartDocument, every line of the file, then EndDocument. A missing or empty file
    // name reads nothing; reading stops at end of file or at the first read error. True when
    // the file was read to its end.
    bool ParseFile(const std::string& fileName);
    // The same for a document held in memory, split into lines as the file reader splits them.
    void ParseText(const std::string& text);
    // Feeds one line without its terminator. Lines join without a separator, so a tag or a
    // text run may span lines.
    void FeedLine(const std::string& line);

private:
    void Reset();
    void ParseLines(std::istream& in);
    void EndTextRun();
    void EndTag();
    void ReportElement(std::string element, bool closesItself);
    // Moves the tag's attributes into the attribute map and returns what is left of the tag:
    // the element text.
    std::string SplitAttributes(std::string tag);

    CXmlHandlerInterface& handler_;
    bool trim_;
    bool inTag_ = false;
    std::string text_;
    std::string tag_;
    XmlAttributeMap attributes_;
};

} // namespace kolm
