#include "translations.h"

#include "utils/datafiles.h"
#include "utils/stringutils.h"
#include "utils/translation/spelling.h"

#include <iostream>
#include <set>

std::string PictureWords::Tr(const char* place, const char* english) const
{
    const std::string* found = catalogue_ ? catalogue_->Find(place, english) : nullptr;
    return found ? *found : english;
}

void PictureWords::Add(PictureSet& pictures, const std::string& file, const Surface& surface) const
{
    if (language_ == &translation::kEnglish)
        pictures.Add(file, surface);
    else
        pictures.AddUnlisted(datafiles::InLanguage(file, language_->code), surface);
}

bool Translations::Read(const std::string& outdir)
{
    catalogues_.clear();
    for (const translation::Language& language : translation::kLanguages) {
        if (&language == &translation::kEnglish) {
            catalogues_.emplace_back();
            continue;
        }
        const std::string file = outdir + "/" + translation::CatalogueFile(language);
        std::string problem;
        catalogues_.push_back(translation::Catalogue::ReadFile(file, problem));
        if (!catalogues_.back()) {
            std::cerr << "assetgen: " << file << ": " << problem << std::endl;
            return false;
        }
    }
    return true;
}

std::u32string Translations::Characters() const
{
    std::set<char32_t> characters;
    // The Options card offers each language by its own name, in its own letters.
    for (const translation::Language& language : translation::kLanguages)
        for (char32_t c : translation::LetteringSpelling(kolm::DecodeUtf8(language.ownName)))
            characters.insert(c);
    for (const auto& catalogue : catalogues_) {
        if (!catalogue)
            continue;
        for (const translation::Catalogue::Message& message : catalogue->Messages())
            for (const std::string& form : message.forms)
                for (char32_t c : translation::LetteringSpelling(kolm::DecodeUtf8(form)))
                    if (c >= U' ' && c != U'\u007F')
                        characters.insert(c);
    }
    return std::u32string(characters.begin(), characters.end());
}

std::vector<PictureWords> Translations::Languages() const
{
    std::vector<PictureWords> words;
    for (std::size_t i = 0; i < catalogues_.size(); ++i)
        words.emplace_back(translation::kLanguages[i], catalogues_[i] ? &*catalogues_[i] : nullptr);
    return words;
}
