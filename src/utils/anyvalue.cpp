#include "utils/anyvalue.h"

#include "utils/stringutils.h"

#include <sstream>
#include <utility>

namespace kolm {

CContainerBase::~CContainerBase() = default;

template <typename T>
CContainer<T>::CContainer(const T& value) : value_(value)
{
}

template <typename T>
CContainer<T>::~CContainer() = default;

template <typename T>
const std::type_info& CContainer<T>::Type() const
{
    return typeid(T);
}

CVarRefBase::~CVarRefBase() = default;

template <typename T>
CVarRefConst<T>::CVarRefConst(const T* value, std::string name)
    : value_(value), name_(std::move(name)), typeName_(typeid(T).name())
{
}

template <typename T>
CVarRefConst<T>::~CVarRefConst() = default;

template <typename T>
void CVarRefConst<T>::SetFromText(const std::string&)
{
}

template <typename T>
std::string CVarRefConst<T>::ToText() const
{
    std::ostringstream stream;
    stream << *value_;
    return stream.str();
}

template class CContainer<std::string>;
template class CContainer<bool>;
template class CContainer<int>;
template class CVarRefConst<std::string>;
template class CVarRefConst<bool>;
template class CVarRefConst<int>;

CAnyValue::CAnyValue(const std::string& value) { Hold(value); }

CAnyValue::CAnyValue(const char* value) { Hold(std::string(value ? value : "")); }

CAnyValue::CAnyValue(int value) { Hold(value); }

CAnyValue::CAnyValue(bool value) { Hold(value); }

template <typename T>
void CAnyValue::Hold(const T& value)
{
    auto container = std::make_shared<const CContainer<T>>(value);
    reference_ = std::make_shared<const CVarRefConst<T>>(&container->Value(), std::string());
    container_ = std::move(container);
}

template <typename T>
const T* CAnyValue::HeldAs() const
{
    if (!container_ || container_->Type() != typeid(T))
        return nullptr;
    return &static_cast<const CContainer<T>&>(*container_).Value();
}

const std::type_info& CAnyValue::Type() const { return container_ ? container_->Type() : typeid(void); }

std::string CAnyValue::AsText() const
{
    if (const std::string* text = HeldAs<std::string>())
        return *text;
    return reference_ ? reference_->ToText() : std::string();
}

int CAnyValue::AsInt() const
{
    if (const int* number = HeldAs<int>())
        return *number;
    return ToInt(AsText());
}

bool CAnyValue::AsBool() const
{
    if (const bool* flag = HeldAs<bool>())
        return *flag;
    return ToBool(AsText());
}

} // namespace kolm
