#pragma once
// The game's translations as the build compiled them from po/ (OUTDIR/data/lang/CODE.mo), read
// before anything is drawn: every character they letter gets its glyphs, and the pictures with
// words in them are drawn once per language. The words of such a picture are marked for the
// catalogues as the game's are (Tr with the place and the English), so xgettext finds them.
#include "picture.h"

#include "utils/translation/catalogue.h"
#include "utils/translation/languages.h"

#include <optional>
#include <string>
#include <vector>

// One language's words for the pictures.
class PictureWords {
public:
    PictureWords(const translation::Language& language, const translation::Catalogue* catalogue)
        : language_(&language), catalogue_(catalogue)
    {
    }

    // The message's translation, or the English.
    std::string Tr(const char* place, const char* english) const;
    // Adds the picture drawn in this language under its name in the language (utils/datafiles.h);
    // the contact sheet shows the English one.
    void Add(PictureSet& pictures, const std::string& file, const Surface& surface) const;

private:
    const translation::Language* language_;
    const translation::Catalogue* catalogue_; // null for English
};

class Translations {
public:
    // Reads every language's catalogue below outdir; false, having said why, when one is missing or bad.
    bool Read(const std::string& outdir);
    // Every character the translations letter, as the lettering spells it, in code point order.
    std::u32string Characters() const;
    // The words of every language, English first.
    std::vector<PictureWords> Languages() const;

private:
    std::vector<std::optional<translation::Catalogue>> catalogues_; // in the order of kLanguages
};
