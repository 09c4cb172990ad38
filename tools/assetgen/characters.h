#pragma once
// The hero, its past self (the old guy) and their corpses. All are drawn top-down around the
// body's centre with the gun pointing along +x; the muzzle sits at (36, 7).
#include "picture.h"
#include "pen.h"

#include <cairo.h>

struct FigureLook {
    Rgb ink;
    Rgb jacket;
    Rgb trousers;
    Rgb skin;
    Rgb hair;
    Rgb accent; // the bandana
    Rgb gun;
    Rgb shoes;
    Rgb pool;   // what the corpse spills
    Hatching jacketHatching;
    double alpha;
    bool sketchy;
};

FigureLook HeroLook();
FigureLook GhostLook();

// stride: +1 left foot forward, 0 passing, -1 right foot forward; sway moves the bandana's tails.
void DrawStandingFigure(cairo_t* cr, const FigureLook& look, double stride, int sway);
// flat: 0 fallen on its back, 1 pressed flat into an ink body; ink: how far it is filled with ink.
void DrawFallenFigure(cairo_t* cr, const FigureLook& look, double flat, double ink);

void AddCharacterArt(PictureSet& pictures);
