// assetgen OUTDIR: draws every image and synthesises every sound of the game into
// OUTDIR/data/gfx and OUTDIR/data/sfx (the pictures with words in them once per language of
// the catalogues in OUTDIR/data/lang, compiled there before), and writes OUTDIR/contact_sheet.png and the menu icons
// below OUTDIR/icons.
#include "characters.h"
#include "contactsheet.h"
#include "effects.h"
#include "endingart.h"
#include "field.h"
#include "glyphs.h"
#include "hud.h"
#include "keycaps.h"
#include "icon.h"
#include "laterrobots.h"
#include "lettering.h"
#include "menuart.h"
#include "music.h"
#include "picture.h"
#include "robots.h"
#include "robotsounds.h"
#include "soundeffects.h"
#include "title.h"
#include "translations.h"

#include "utils/datafiles.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

PictureSet DrawAllPictures(const Translations& translations)
{
    const std::vector<PictureWords> languages = translations.Languages();
    PictureSet pictures;
    AddCharacterArt(pictures);
    AddRobotArt(pictures);
    AddLaterRobotArt(pictures);
    AddEffectArt(pictures);
    AddFieldArt(pictures);
    AddHudArt(pictures, languages);
    AddTitleArt(pictures, languages);
    AddGlyphArt(pictures, translations.Characters());
    AddMenuArt(pictures);
    AddKeyCapArt(pictures);
    AddEndingArt(pictures);
    return pictures;
}

bool MakeDirectories(const std::string& outdir)
{
    std::error_code error;
    for (const char* sub : {"/data/gfx", "/data/sfx"}) {
        std::filesystem::create_directories(outdir + sub, error);
        if (error) {
            std::cerr << "assetgen: cannot create " << outdir << sub << ": " << error.message() << std::endl;
            return false;
        }
    }
    return true;
}

// Everything assetgen does, with the exit status.
int Generate(const std::string& outdir)
{
    const std::string missingFont = MissingLetteringFont();
    if (!missingFont.empty()) {
        std::cerr << "assetgen: the font " << missingFont << " is missing" << std::endl;
        return 1;
    }
    Translations translations;
    if (!MakeDirectories(outdir) || !translations.Read(outdir))
        return 1;
    const PictureSet pictures = DrawAllPictures(translations);
    if (!pictures.WriteAll(outdir))
        return 1;
    if (!WritePng(MakeContactSheet(pictures), outdir + "/contact_sheet.png")) {
        std::cerr << "assetgen: could not write " << outdir << "/contact_sheet.png" << std::endl;
        return 1;
    }
    if (!WriteSoundEffects(outdir) || !WriteRobotSounds(outdir))
        return 1;
    if (!WriteMusic(outdir + "/" + datafiles::kMusic))
        return 1;
    if (!WriteIcons(outdir + "/icons"))
        return 1;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: assetgen OUTDIR" << std::endl;
        return 2;
    }
    const int status = Generate(argv[1]);
    // Let cairo and fontconfig drop their caches, so leak checkers see a clean exit.
    cairo_debug_reset_static_data();
    FcFini();
    return status;
}
