// assetgen OUTDIR: draws every image and synthesises every sound of the game into
// OUTDIR/data/gfx and OUTDIR/data/sfx, and writes OUTDIR/contact_sheet.png and the menu icons
// below OUTDIR/icons.
#include "characters.h"
#include "contactsheet.h"
#include "effects.h"
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

#include "utils/datafiles.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <filesystem>
#include <iostream>
#include <string>

namespace {

PictureSet DrawAllPictures()
{
    PictureSet pictures;
    AddCharacterArt(pictures);
    AddRobotArt(pictures);
    AddLaterRobotArt(pictures);
    AddEffectArt(pictures);
    AddFieldArt(pictures);
    AddHudArt(pictures);
    AddTitleArt(pictures);
    AddGlyphArt(pictures);
    AddMenuArt(pictures);
    AddKeyCapArt(pictures);
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
    if (!LetteringFontAvailable()) {
        std::cerr << "assetgen: the font \"Humor Sans\" is missing (Debian package fonts-humor-sans)" << std::endl;
        return 1;
    }
    if (!MakeDirectories(outdir))
        return 1;
    const PictureSet pictures = DrawAllPictures();
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
