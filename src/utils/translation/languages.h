#pragma once
// The languages the game speaks: each by its code (the name of its catalogue, data/lang/CODE.mo,
// and of its po/CODE.po), its name in its own words and letters, as the Options card offers it,
// and how it writes a number's fraction ("0:41.2", "0:41,2"). English is the game's own, with
// no catalogue. The game's Portuguese is Brazil's (its only one, so named without the country).
#include <string>
#include <string_view>

namespace translation {

struct Language {
    const char* code;
    const char* ownName;
    char decimalMark;
};

inline constexpr Language kLanguages[] = {
    {"en", "English", '.'},           {"fr", "Fran\u00E7ais", ','}, {"de", "Deutsch", ','},
    {"es", "Espa\u00F1ol", ','},      {"pt_BR", "Portugu\u00EAs", ','},
    {"pl", "Polski", ','},            {"ja", "\u65E5\u672C\u8A9E", '.'},
};
inline constexpr const Language& kEnglish = kLanguages[0];

// The language of the code exactly as the table has it ("pt_BR"), or null.
const Language* LanguageOfCode(std::string_view code);
// The language the game speaks for a locale as systems and browsers name them ("fr_CA.UTF-8",
// "pt-BR", "de", "ja_JP"): its own when the game has it, else that of the same language in
// another country ("pt_PT" is spoken as "pt_BR"); null for one the game does not speak.
const Language* LanguageOfLocale(std::string_view locale);

// The catalogue file of a language: "data/lang/fr.mo".
std::string CatalogueFile(const Language& language);

} // namespace translation
