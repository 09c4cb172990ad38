#include "utils/xmlnode.h"

namespace kolm {

void XmlAttributeSet::Add(const std::string& name, const CAnyValue& value)
{
    if (indexByName_.emplace(name, values_.size()).second)
        values_.push_back(value);
}

bool XmlAttributeSet::Has(const std::string& name) const { return indexByName_.count(name) != 0; }

const CAnyValue& XmlAttributeSet::Get(const std::string& name) const
{
    static const CAnyValue noValue;
    const auto found = indexByName_.find(name);
    return found == indexByName_.end() ? noValue : values_[found->second];
}

std::map<std::string, std::string> XmlAttributeSet::Texts() const
{
    std::map<std::string, std::string> texts;
    for (const auto& [name, index] : indexByName_)
        texts.emplace(name, values_[index].AsText());
    return texts;
}

XmlNode::XmlNode(std::string name, XmlNode* parent) : parent_(parent), name_(std::move(name)) {}

XmlNode::~XmlNode()
{
    // Each node taken off the list hands its children to the list before it goes, so no node
    // is destroyed while it still owns children and the stack never grows with the depth.
    std::vector<std::unique_ptr<XmlNode>> pending = std::move(children_);
    while (!pending.empty()) {
        std::unique_ptr<XmlNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->children_)
            pending.push_back(std::move(child));
        node->children_.clear();
    }
}

XmlNode* XmlNode::ChildAt(std::size_t index) const
{
    return index < children_.size() ? children_[index].get() : nullptr;
}

void XmlNode::AddChild(std::unique_ptr<XmlNode> child)
{
    if (!child)
        return;
    child->SetParent(this);
    children_.push_back(std::move(child));
}

} // namespace kolm
