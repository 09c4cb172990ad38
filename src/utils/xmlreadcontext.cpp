#include "utils/xmlreadcontext.h"

#include "utils/log.h"
#include "utils/stringutils.h"

namespace kolm {

XmlReadContext::XmlReadContext(XmlNode* node) : current_(node), root_(node) {}

bool XmlReadContext::ChildAtCursorIs(const std::string& name) const
{
    const XmlNode* child = current_->ChildAt(cursor_);
    return child && child->GetName() == name;
}

std::size_t XmlReadContext::FirstChildNamed(const std::string& name) const
{
    for (std::size_t i = 0; i < current_->ChildCount(); ++i) {
        if (current_->ChildAt(i)->GetName() == name)
            return i;
    }
    return std::string::npos;
}

bool XmlReadContext::HasChild(const std::string& name) const
{
    return current_ && (ChildAtCursorIs(name) || FirstChildNamed(name) != std::string::npos);
}

XmlNode* XmlReadContext::GetChild(const std::string& name)
{
    if (!current_)
        return nullptr;
    if (warnings_ && cursor_ >= current_->ChildCount())
        Warn("Xml warning, ain't no childs left in the current node: ");
    if (!HasChild(name))
        return nullptr;
    if (ChildAtCursorIs(name))
        return current_->ChildAt(cursor_++);
    if (warnings_)
        Warn("Xml warning a child node wasn't in the place it should be, order fucked up in node: ");
    cursor_ = FirstChildNamed(name);
    return current_->ChildAt(cursor_);
}

void XmlReadContext::ReadChildContentAsInt(const std::string& name, int& target)
{
    if (const XmlNode* child = GetChild(name))
        target = ToInt(child->GetContent());
}

void XmlReadContext::Warn(const char* message) const
{
    Say(message + current_->GetName() + " in file: " + file_ + " at line " + std::to_string(line_));
}

} // namespace kolm
