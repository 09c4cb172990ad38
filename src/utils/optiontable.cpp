#include "utils/optiontable.h"

namespace kolm {

OptionTable& OptionTable::Switch(const std::string& name, std::function<void()> set)
{
    options_.push_back({name, std::move(set), nullptr});
    return *this;
}

OptionTable& OptionTable::Valued(const std::string& name, ValueReader read)
{
    options_.push_back({name, nullptr, std::move(read)});
    return *this;
}

const OptionTable::Option* OptionTable::Find(const std::string& name) const
{
    for (const Option& option : options_) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

bool OptionTable::Read(const std::vector<std::string>& arguments, const Rules& rules, std::string& error) const
{
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const Option* option = Find(arguments[i]);
        if (!option) {
            if (rules.unknownRefused) {
                error = "unknown option \"" + arguments[i] + "\"";
                return false;
            }
            continue;
        }
        if (option->set) {
            option->set();
            continue;
        }
        if (i + 1 >= arguments.size()) {
            if (!rules.missingValueRefused)
                continue;
            error = arguments[i] + " needs a value";
            return false;
        }
        const std::string& value = rules.valueReadAgain ? arguments[i + 1] : arguments[++i];
        if (!option->read(value, error))
            return false;
    }
    return true;
}

} // namespace kolm
