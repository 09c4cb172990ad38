#pragma once
// The one lookup every word a player reads goes through, gettext's way: a message is known by
// the place it is lettered in (a name of utils/translation/textplaces.h, gettext's msgctxt) and
// its English text, and comes back in the language the game speaks, or in English when that
// language's catalogue has none. xgettext finds the calls by their names (scripts/translations.sh),
// so the place and the English are always written out as literals in the call.
//
// The language spoken is one for the whole process, as gettext's is: every screen letters in it,
// and a screen that keeps lettered words letters them anew when SpeechChanges() moves on.
#include "utils/translation/languages.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// The message's translation, or the English.
std::string Tr(const char* place, const char* english);
// A message with plural forms: "%d loop" / "%d loops" for n, the form by the language's rule.
std::string TrN(const char* place, const char* english, const char* englishPlural, uint64_t n);
// The English itself, marked for the catalogues: for a table of words translated where they are
// lettered (Tr with the same place and text).
constexpr const char* NoTr(const char*, const char* english) { return english; }

// The format with its directives filled in by the values in turn, as C's printf would write
// strings: "%s" and "%d" take the next value, "%2$s" the second, "%%" is a per cent sign.
// A directive with no value left is dropped.
std::string Fill(std::string_view format, std::initializer_list<std::string_view> values);
// The picture with words in it (a name of utils/datafiles.h) drawn in the language spoken.
std::string InSpokenLanguage(const std::string& picture);
// A number with a fraction ("0:41.2") with the language's decimal mark ("0:41,2").
std::string WithDecimalMark(std::string number);
// The month's short name (1 for January to 12) in the language spoken: "Dec", "déc.", "12月".
std::string MonthShortName(int month);

// The language the game speaks now.
const translation::Language& SpokenLanguage();
// Speaks the language (English for null) from now on, reading its catalogue from the data
// folder; a catalogue that cannot be read is named once and English is spoken.
void Speak(const translation::Language* language);
// How many times the language spoken has changed.
uint32_t SpeechChanges();
