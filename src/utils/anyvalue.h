#pragma once
// Typed values: one value of text, int or bool held in a container, with a read-only typed
// reference that renders it as text. Attribute values of the XML tree are held this way, and a
// reader asks for the type it wants; a value of another type converts through its text form.
#include <memory>
#include <string>
#include <typeinfo>

namespace kolm {

class CContainerBase {
public:
    virtual ~CContainerBase();
    virtual const std::type_info& Type() const = 0;
};

// Holds one value by value. Made for T = std::string, bool and int.
template <typename T>
class CContainer : public CContainerBase {
public:
    explicit CContainer(const T& value);
    ~CContainer() override;
    const std::type_info& Type() const override;

    const T& Value() const { return value_; }

private:
    T value_;
};

class CVarRefBase {
public:
    virtual ~CVarRefBase();
    virtual void SetFromText(const std::string& text) = 0;
    virtual std::string ToText() const = 0;
    virtual const std::string& Name() const = 0;
    virtual const std::string& TypeName() const = 0;
    virtual bool IsConst() const = 0;
};

// A read-only reference to a value it does not own. Made for T = std::string, bool and int.
template <typename T>
class CVarRefConst : public CVarRefBase {
public:
    CVarRefConst(const T* value, std::string name);
    ~CVarRefConst() override;
    // Read-only: setting from text changes nothing.
    void SetFromText(const std::string& text) override;
    // The stream's default formatting: integers in decimal, booleans as "1" or "0", text as is.
    std::string ToText() const override;
    const std::string& Name() const override { return name_; }
    const std::string& TypeName() const override { return typeName_; }
    bool IsConst() const override { return isConst_; }

private:
    const T* value_;
    std::string name_;
    std::string typeName_;
    bool isConst_ = true;
};

extern template class CContainer<std::string>;
extern template class CContainer<bool>;
extern template class CContainer<int>;
extern template class CVarRefConst<std::string>;
extern template class CVarRefConst<bool>;
extern template class CVarRefConst<int>;

// A typed value: a container and a reference to the container's own value, or neither (an
// empty value). Copies share the pair, so a copy keeps the value alive after its source is
// gone and copying is safe however often it is done; the pair is freed with its last holder.
class CAnyValue {
public:
    CAnyValue() = default;
    explicit CAnyValue(const std::string& value);
    explicit CAnyValue(const char* value);
    explicit CAnyValue(int value);
    explicit CAnyValue(bool value);

    bool IsEmpty() const { return !container_; }
    // The held type; void for an empty value.
    const std::type_info& Type() const;
    // The reference to the held value, null for an empty value.
    const CVarRefBase* Reference() const { return reference_.get(); }

    // Each read returns the held value when it has the wanted type and otherwise reads the text
    // form: text that holds no number gives 0 and false, an empty value empty text, 0 and false.
    std::string AsText() const;
    int AsInt() const;
    bool AsBool() const;

private:
    template <typename T>
    void Hold(const T& value);
    template <typename T>
    const T* HeldAs() const;

    std::shared_ptr<const CContainerBase> container_;
    std::shared_ptr<const CVarRefBase> reference_;
};

} // namespace kolm
