#pragma once
// Receivers of the XML reader's reports: the interface with do-nothing bodies, and the handler
// that builds a document tree from the reports.
#include "utils/anyvalue.h"
#include "utils/xmlnode.h"

#include <map>
#include <memory>
#include <string>

namespace kolm {

// Attributes of one start tag, ordered by name.
using XmlAttributeMap = std::map<std::string, CAnyValue>;

class CXmlHandlerInterface {
public:
    virtual ~CXmlHandlerInterface();
    virtual void StartDocument();
    virtual void EndDocument();
    virtual void Characters(const std::string& text);
    virtual void StartElement(const std::string& name, const XmlAttributeMap& attributes);
    virtual void EndElement(const std::string& name);
};

// Builds the tree of the document: exactly one top-level element becomes the root, start tags
// nest under the current node, end tags step back to its parent without comparing names.
class CXmlHandler : public CXmlHandlerInterface {
public:
    CXmlHandler();
    ~CXmlHandler() override;

    void StartDocument() override;
    void EndDocument() override;
    // Sets the current node's content, then replaces the entities in it.
    void Characters(const std::string& text) override;
    // A start tag with no current node once a root exists (a second top-level element) is
    // ignored.
    void StartElement(const std::string& name, const XmlAttributeMap& attributes) override;
    // An end tag with no current node is ignored.
    void EndElement(const std::string& name) override;
    // The root of the last parse, still owned by the handler; null when no element was seen.
    virtual XmlNode* GetRootElement();

    // Hands the tree over to the caller; the handler forgets it.
    std::unique_ptr<XmlNode> TakeRootElement();

private:
    std::unique_ptr<XmlNode> root_;
    XmlNode* current_ = nullptr;
};

// The five entities in their fixed order, each replaced over the whole text: "&lt;", "&gt;",
// "&amp;", "&apos;", "&quot;". "&amp;" goes before the last two, so "&amp;quot;" ends as '"'.
std::string ReplaceXmlEntities(std::string text);

} // namespace kolm
