#include "utils/translation/languages.h"

#include <cctype>

namespace translation {

namespace {

// "fr_CA.UTF-8@euro" and "fr-ca" both as "fr_CA".
std::string Normalised(std::string_view locale)
{
    std::string name(locale.substr(0, locale.find_first_of(".@")));
    const std::size_t country = name.find_first_of("_-");
    for (std::size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (i == country)
            name[i] = '_';
        else
            name[i] = static_cast<char>(country != std::string::npos && i > country ? std::toupper(c) : std::tolower(c));
    }
    return name;
}

std::string_view LanguagePart(std::string_view code) { return code.substr(0, code.find('_')); }

} // namespace

const Language* LanguageOfCode(std::string_view code)
{
    for (const Language& language : kLanguages)
        if (code == language.code)
            return &language;
    return nullptr;
}

const Language* LanguageOfLocale(std::string_view locale)
{
    const std::string name = Normalised(locale);
    if (const Language* exact = LanguageOfCode(name))
        return exact;
    if (name.empty())
        return nullptr;
    for (const Language& language : kLanguages)
        if (LanguagePart(language.code) == LanguagePart(name))
            return &language;
    return nullptr;
}

std::string CatalogueFile(const Language& language) { return std::string("data/lang/") + language.code + ".mo"; }

} // namespace translation
