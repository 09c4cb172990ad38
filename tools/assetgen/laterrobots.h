#pragma once
// The later robot kinds, top-down and facing +x around the body's centre like the first three:
// the shield bot (a tread bot behind a curved shield, its soft red back open), the twins (round
// buzzing bots with a coil and a plug on either side) and the crackling wire between them, and the
// phantom (a robot sketched in dotted pencil, half there). phase in [0, 1): how far the frame's
// motion has gone.
#include "picture.h"

#include "utils/datafiles.h"

#include <cairo.h>

void DrawShieldBot(cairo_t* cr, double phase);
void DrawTwinBot(cairo_t* cr, double phase);
// One length of the wire along +x through the middle of a picture `length` wide; frame 0 to 2.
void DrawTwinWire(cairo_t* cr, double length, int frame);
void DrawPhantom(cairo_t* cr, double phase);

// Adds a robot's eight frames (and for one that turns their mirror images as 09-16).
void AddEightFrames(PictureSet& pictures, int size, datafiles::FrameSet set, bool turns, void (*draw)(cairo_t*, double));
void AddLaterRobotArt(PictureSet& pictures);
