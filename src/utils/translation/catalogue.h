#pragma once
// A catalogue of translations, read from the GNU .mo file that msgfmt writes from a language's
// .po file: each message is known by its place (gettext's msgctxt) and its English text, and
// holds its translation, or one per plural form with the plural rule of the catalogue's header.
// The bytes are checked as they are read: a file that is not a whole .mo file in UTF-8 is
// refused with the reason, never read past its end.
#include "utils/translation/pluralrule.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace translation {

class Catalogue {
public:
    struct Message {
        std::string place;   // "" for a message without one
        std::string english;
        std::string englishPlural;        // "" for a message without plural forms
        std::vector<std::string> forms;   // the translation; one per plural form for a plural message
    };

    // The catalogue in a .mo file's bytes; none, with the reason in problem, when they are not one.
    static std::optional<Catalogue> FromMo(std::string_view bytes, std::string& problem);
    // Reads the file; none, with the reason, when it cannot be read or is not one.
    static std::optional<Catalogue> ReadFile(const std::string& path, std::string& problem);

    // The translation of the message at the place, or null when the catalogue has none (or an
    // empty one).
    const std::string* Find(std::string_view place, std::string_view english) const;
    // The plural message's form for n (by the catalogue's rule), or null when it has none.
    const std::string* FindPlural(std::string_view place, std::string_view english, uint64_t n) const;

    // Every message but the header, in the file's order (by place and English text).
    const std::vector<Message>& Messages() const { return messages_; }
    const PluralRule& Plurals() const { return plurals_; }

private:
    const Message* Lookup(std::string_view place, std::string_view english) const;

    std::vector<Message> messages_;
    std::unordered_map<std::string, std::size_t> index_; // place, U+0004, English -> message
    PluralRule plurals_;
};

} // namespace translation
