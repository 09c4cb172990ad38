#pragma once
// The document tree the XML handler builds: nodes with a name, the last text run read inside
// them, their children in document order and their attributes as typed values.
#include "utils/anyvalue.h"

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kolm {

// Attribute values in the order they were added, found by name; the first value stored under
// a name wins.
class XmlAttributeSet {
public:
    // Stores the value unless the name is already present.
    void Add(const std::string& name, const CAnyValue& value);
    bool Has(const std::string& name) const;
    // The value stored under name; an empty value when there is none.
    const CAnyValue& Get(const std::string& name) const;
    std::size_t Count() const { return values_.size(); }
    // Every value as text, by name.
    std::map<std::string, std::string> Texts() const;

private:
    std::vector<CAnyValue> values_;
    std::map<std::string, std::size_t> indexByName_;
};

class XmlNode {
public:
    explicit XmlNode(std::string name = std::string(), XmlNode* parent = nullptr);
    // Frees the whole subtree without recursing, so any nesting depth is safe.
    ~XmlNode();
    XmlNode(const XmlNode&) = delete;
    XmlNode& operator=(const XmlNode&) = delete;

    const std::string& GetName() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    XmlNode* GetParent() const { return parent_; }
    void SetParent(XmlNode* parent) { parent_ = parent; }
    const std::string& GetContent() const { return content_; }
    void SetContent(std::string content) { content_ = std::move(content); }

    std::size_t ChildCount() const { return children_.size(); }
    // The child at index; null past the end.
    XmlNode* ChildAt(std::size_t index) const;
    // Takes ownership, makes this node the child's parent and appends it.
    void AddChild(std::unique_ptr<XmlNode> child);

    void AddAttribute(const std::string& name, const CAnyValue& value) { attributes_.Add(name, value); }
    bool HasAttribute(const std::string& name) const { return attributes_.Has(name); }
    const CAnyValue& Attribute(const std::string& name) const { return attributes_.Get(name); }
    const XmlAttributeSet& Attributes() const { return attributes_; }

private:
    XmlNode* parent_;
    std::string name_;
    std::string content_;
    std::vector<std::unique_ptr<XmlNode>> children_;
    XmlAttributeSet attributes_;
};

} // namespace kolm
