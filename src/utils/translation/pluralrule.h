#pragma once
// Which plural form a number takes in a language, as a catalogue's header says it
// ("Plural-Forms: nplurals=3; plural=(n==1 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2);"):
// the C expression of n that gettext's catalogues carry, with its numbers, n, ! * / % + - < <= >
// >= == != && || ?: and brackets. A rule that does not read whole, or a form outside the
// catalogue's count, falls back to the English rule (form 0 for 1, else form 1).
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace translation {

class PluralRule {
public:
    // English's: "1 loop", "2 loops".
    PluralRule();
    // The rule of a catalogue's header field "nplurals=N; plural=EXPRESSION;"; none when the field
    // is not one.
    static std::optional<PluralRule> FromHeader(std::string_view pluralForms);

    // The form for n: 0 .. Count() - 1.
    int FormOf(uint64_t n) const;
    int Count() const { return count_; }

    struct Node;

private:
    int count_ = 2;
    std::shared_ptr<const Node> expression_; // null: English's
};

} // namespace translation
