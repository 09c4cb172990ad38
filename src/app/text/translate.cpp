#include "app/text/translate.h"

#include "utils/datafiles.h"
#include "utils/log.h"
#include "utils/translation/catalogue.h"

#include <array>
#include <optional>

namespace {

// The language spoken and its catalogue: one for the process, as gettext's.
struct Speech {
    const translation::Language* language = &translation::kEnglish;
    std::optional<translation::Catalogue> catalogue;
    uint32_t changes = 0;
};

Speech& Spoken()
{
    static Speech speech;
    return speech;
}

// Reads the directive's value number after a '%' (1 for "%2$s" is index 1); -1 for none.
int PositionOf(std::string_view format, std::size_t& at)
{
    std::size_t end = at;
    int number = 0;
    while (end < format.size() && format[end] >= '0' && format[end] <= '9' && number < 100)
        number = number * 10 + (format[end++] - '0');
    if (end == at || end >= format.size() || format[end] != '$' || number < 1)
        return -1;
    at = end + 1;
    return number - 1;
}

} // namespace

std::string Tr(const char* place, const char* english)
{
    const Speech& speech = Spoken();
    const std::string* found = speech.catalogue ? speech.catalogue->Find(place, english) : nullptr;
    return found ? *found : english;
}

std::string TrN(const char* place, const char* english, const char* englishPlural, uint64_t n)
{
    const Speech& speech = Spoken();
    const std::string* found = speech.catalogue ? speech.catalogue->FindPlural(place, english, n) : nullptr;
    return found ? *found : n == 1 ? english : englishPlural;
}

std::string Fill(std::string_view format, std::initializer_list<std::string_view> values)
{
    std::string filled;
    std::size_t next = 0;
    for (std::size_t at = 0; at < format.size(); ++at) {
        if (format[at] != '%' || at + 1 >= format.size()) {
            filled += format[at];
            continue;
        }
        ++at;
        if (format[at] == '%') {
            filled += '%';
            continue;
        }
        const int position = PositionOf(format, at);
        const std::size_t index = position >= 0 ? static_cast<std::size_t>(position) : next++;
        if (at < format.size() && index < values.size())
            filled += values.begin()[index];
        // at now stands on the conversion letter ("s", "d", "u"), which the loop passes.
    }
    return filled;
}

std::string InSpokenLanguage(const std::string& picture)
{
    return datafiles::InLanguage(picture, SpokenLanguage().code);
}

std::string WithDecimalMark(std::string number)
{
    for (char& c : number)
        if (c == '.')
            c = SpokenLanguage().decimalMark;
    return number;
}

const translation::Language& SpokenLanguage() { return *Spoken().language; }

void Speak(const translation::Language* language)
{
    Speech& speech = Spoken();
    if (!language)
        language = &translation::kEnglish;
    if (language == speech.language)
        return;
    std::optional<translation::Catalogue> catalogue;
    if (language != &translation::kEnglish) {
        std::string problem;
        const std::string file = translation::CatalogueFile(*language);
        catalogue = translation::Catalogue::ReadFile(file, problem);
        if (!catalogue) {
            kolm::WarnOncePerFile(file, file + ": " + problem + "; the game speaks English");
            language = &translation::kEnglish;
        }
    }
    speech.language = language;
    speech.catalogue = std::move(catalogue);
    ++speech.changes;
}

uint32_t SpeechChanges() { return Spoken().changes; }

std::string MonthShortName(int month)
{
    static const std::array<const char*, 12> kMonths = {
        NoTr("card note", "Jan"), NoTr("card note", "Feb"), NoTr("card note", "Mar"), NoTr("card note", "Apr"),
        NoTr("card note", "May"), NoTr("card note", "Jun"), NoTr("card note", "Jul"), NoTr("card note", "Aug"),
        NoTr("card note", "Sep"), NoTr("card note", "Oct"), NoTr("card note", "Nov"), NoTr("card note", "Dec")};
    return Tr("card note", kMonths[static_cast<std::size_t>(month - 1)]);
}
