#include "utils/xmlhandler.h"

#include "utils/stringutils.h"

namespace kolm {

CXmlHandlerInterface::~CXmlHandlerInterface() = default;
void CXmlHandlerInterface::StartDocument() {}
void CXmlHandlerInterface::EndDocument() {}
void CXmlHandlerInterface::Characters(const std::string&) {}
void CXmlHandlerInterface::StartElement(const std::string&, const XmlAttributeMap&) {}
void CXmlHandlerInterface::EndElement(const std::string&) {}

CXmlHandler::CXmlHandler() = default;

CXmlHandler::~CXmlHandler() = default;

void CXmlHandler::StartDocument()
{
    root_.reset();
    current_ = nullptr;
}

void CXmlHandler::EndDocument() {}

void CXmlHandler::Characters(const std::string& text)
{
    if (!current_)
        return;
    current_->SetContent(text.find('&') == std::string::npos ? text : ReplaceXmlEntities(text));
}

void CXmlHandler::StartElement(const std::string& name, const XmlAttributeMap& attributes)
{
    if (root_ && !current_)
        return;
    auto node = std::make_unique<XmlNode>(name, current_);
    for (const auto& attribute : attributes)
        node->AddAttribute(attribute.first, attribute.second);
    XmlNode* added = node.get();
    if (root_)
        current_->AddChild(std::move(node));
    else
        root_ = std::move(node);
    current_ = added;
}

void CXmlHandler::EndElement(const std::string&)
{
    if (current_)
        current_ = current_->GetParent();
}

XmlNode* CXmlHandler::GetRootElement() { return root_.get(); }

std::unique_ptr<XmlNode> CXmlHandler::TakeRootElement()
{
    current_ = nullptr;
    return std::move(root_);
}

std::string ReplaceXmlEntities(std::string text)
{
    text = ReplaceAll(text, "&lt;", "<");
    text = ReplaceAll(text, "&gt;", ">");
    text = ReplaceAll(text, "&amp;", "&");
    text = ReplaceAll(text, "&apos;", "'");
    return ReplaceAll(text, "&quot;", "\"");
}

} // namespace kolm
