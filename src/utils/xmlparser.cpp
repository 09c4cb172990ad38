#include "utils/xmlparser.h"

#include "utils/linereader.h"
#include "utils/stringutils.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string_view>

namespace kolm {
namespace {

void DropTrailingLineFeeds(std::string& text)
{
    while (text.size() >= 2 && text.back() == '\n')
        text.pop_back();
}

// Trimming done in place on the tag being read, so that each character is looked at once.
void DropTrailingBlanks(std::string& text) { text.erase(text.find_last_not_of(kBlanks) + 1); }

std::size_t SkipBlanks(const std::string& text, std::size_t from)
{
    return std::min(text.find_first_not_of(kBlanks, from), text.size());
}

// Where an attribute's value ends: at the first blank that is not inside a pair of double
// quotes, the quotes paired from the value's own first character on; the end of the tag when
// there is none.
std::size_t ValueEnd(const std::string& tag, std::size_t valueStart)
{
    const std::size_t blank = FindOutsideQuotes(kBlanks, std::string_view(tag).substr(valueStart));
    return blank == std::string::npos ? tag.size() : valueStart + blank;
}

bool StartsWith(const std::string& text, const char* head) { return text.rfind(head, 0) == 0; }

// Whether the inside of a tag read up to a ">" is all of it. A comment ends only at "-->", a
// declaration or processing instruction only at "?>", and a DOCTYPE with an internal subset only
// after its "]": the ">" before those belongs to them.
bool TagIsWhole(const std::string& tag)
{
    if (StartsWith(tag, "!--"))
        return tag.size() >= 5 && tag.compare(tag.size() - 2, 2, "--") == 0;
    if (StartsWith(tag, "?"))
        return tag.size() >= 2 && tag.back() == '?';
    if (StartsWith(tag, "!DOCTYPE") && tag.find('[') != std::string::npos) {
        const std::size_t last = tag.find_last_not_of(kBlanks);
        return tag[last] == ']';
    }
    return true;
}

// The value without its first and last characters, whatever they are.
std::string Unwrapped(const std::string& value)
{
    return value.size() >= 2 ? value.substr(1, value.size() - 2) : std::string();
}

} // namespace

XmlParser::XmlParser(CXmlHandlerInterface& handler, bool trim) : handler_(handler), trim_(trim) {}

void XmlParser::Reset()
{
    inTag_ = false;
    text_.clear();
    tag_.clear();
    attributes_.clear();
}

bool XmlParser::ParseFile(const std::string& fileName)
{
    Reset();
    handler_.StartDocument();
    bool readToTheEnd = false;
    if (!fileName.empty()) {
        std::ifstream file(fileName);
        ParseLines(file);
        readToTheEnd = file.is_open() && !file.bad();
    }
    handler_.EndDocument();
    return readToTheEnd;
}

void XmlParser::ParseText(const std::string& text)
{
    Reset();
    handler_.StartDocument();
    std::istringstream in(text);
    ParseLines(in);
    handler_.EndDocument();
}

void XmlParser::ParseLines(std::istream& in)
{
    LineReader lines(in);
    std::string line;
    while (lines.Next(line))
        FeedLine(line);
}

void XmlParser::FeedLine(const std::string& rawLine)
{
    const std::string line = trim_ ? Trim(rawLine) : rawLine;
    std::size_t from = 0;
    for (;;) {
        std::string& buffer = inTag_ ? tag_ : text_;
        const std::size_t at = line.find(inTag_ ? '>' : '<', from);
        if (at == std::string::npos) {
            buffer.append(line, from, std::string::npos);
            return;
        }
        buffer.append(line, from, at - from);
        from = at + 1;
        if (inTag_ && !TagIsWhole(tag_)) {
            tag_ += '>';
            continue;
        }
        inTag_ = !inTag_;
        if (inTag_)
            EndTextRun();
        else
            EndTag();
    }
}

void XmlParser::EndTextRun()
{
    if (trim_)
        DropTrailingLineFeeds(text_);
    if (text_.empty())
        return;
    const std::string run = trim_ ? Trim(text_) : text_;
    text_.clear();
    handler_.Characters(run);
}

void XmlParser::EndTag()
{
    std::string tag;
    tag.swap(tag_);
    if (trim_) {
        tag = Trim(tag);
        DropTrailingLineFeeds(tag);
    }
    // Comments, the DOCTYPE, the XML declaration and processing instructions say nothing about
    // the tree.
    if (tag.empty() || tag[0] == '!' || tag[0] == '?')
        return;
    if (tag[0] == '/') {
        handler_.EndElement(tag.substr(1));
        return;
    }
    // In <Level position="1"/> the "/" closes the element: it is not part of the last value,
    // and blanks before it are not part of the name.
    const std::size_t last = tag.find_last_not_of(kBlanks);
    const bool closesItself = last != std::string::npos && tag[last] == '/';
    if (closesItself) {
        tag.erase(last);
        DropTrailingBlanks(tag);
    }
    ReportElement(tag.find('=') == std::string::npos ? tag : SplitAttributes(tag), closesItself);
    // A dropped element's attributes must not reach the next one.
    attributes_.clear();
}

void XmlParser::ReportElement(std::string element, bool closesItself)
{
    if (element.empty())
        return;
    if (element.back() == '/') {
        element.pop_back();
        closesItself = true;
    }
    handler_.StartElement(element, attributes_);
    if (closesItself)
        handler_.EndElement(element);
}

std::string XmlParser::SplitAttributes(std::string tag)
{
    // Values are trimmed, so blanks at the end of the tag belong to neither a value nor the
    // element's name (with trimming off, < a x="1" > is the element "a").
    DropTrailingBlanks(tag);
    // The tag still to read is `element` followed by tag[from..]. Each round takes the name
    // before the first "=" and the value after it, and always consumes that "=": a name with no
    // blank before it takes all of the element text with it, and such a tag ends up empty.
    // Nothing is copied twice, so a tag of any length is read in linear time.
    std::string element;
    std::size_t from = 0;
    for (;;) {
        const std::size_t equals = tag.find('=', from);
        if (equals == std::string::npos)
            return element.append(tag, from, std::string::npos);
        if (element.empty())
            from = SkipBlanks(tag, from);
        element.append(tag, from, equals - from);
        DropTrailingBlanks(element);

        std::string name;
        const std::size_t lastBlank = element.find_last_of(kBlanks);
        if (lastBlank == std::string::npos) {
            name.swap(element);
        } else {
            name = element.substr(lastBlank + 1);
            element.resize(lastBlank);
        }

        const std::size_t valueStart = SkipBlanks(tag, equals + 1);
        from = ValueEnd(tag, valueStart);
        const std::string value = Trim(tag.substr(valueStart, from - valueStart));
        attributes_.emplace(name, CAnyValue(Unwrapped(value)));
    }
}

} // namespace kolm
