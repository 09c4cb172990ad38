#pragma once
// Installing a level pack from its zip into the player's packs folder
// ("$XDG_DATA_HOME/tobrakka/packs/ID/", else "~/.local/share/tobrakka/packs/ID/"), the folder
// named by the pack's id.
//
// The zip is read and checked whole before anything is written (app/levels/packarchive.h); its
// files are written into a temporary folder inside the packs folder, which is renamed into place
// only when it is whole. An id is one pack's: a pack whose id is taken by one of the game's own
// notebooks is refused; one whose id an installed pack has is the same pack when it has the same
// author, and then replaces it only with a newer version (the older one is removed once the new
// one is in place); a pack of another author, or a folder in the way that holds no pack, is
// never written over. Nothing is written outside the packs folder.
#include <string>

struct PackPlaces {
    std::string installed; // the player's packs folder; empty: none (no XDG_DATA_HOME or HOME)
    std::string own;       // the game's own notebooks, "data/packs" from the data root

    // The player's packs folder and the game's own.
    static PackPlaces Default();
};

struct PackInstall {
    bool installed = false;
    std::string id;   // the pack's, once its zip has been read
    std::string line; // what was done ("installed the pack ...") or what stood in the way
};

// Installs the zip file as above; its line says what came of it.
PackInstall InstallPack(const std::string& zipPath, const PackPlaces& places);

// The game's "-install FILE.zip": installs the pack into the player's packs folder and says so
// on standard output, or names the problem on standard error. The process's exit status: 0 when
// it was installed, 1 otherwise.
int InstallPackFromCommandLine(const std::string& zipPath);
