#pragma once
// What the game tells a player of each later robot kind, in one place: its name and one line on
// how to beat it, written as a note on the paper; and its picture, drawn from the kind's own
// animated body (with its partner, its hatchling or its mine beside it). The card that
// introduces a kind (app/menu/robotcard.h) and How to play's page of the kinds met show them.
#include "app/robots/robotsseen.h"
#include "app/text/lettering.h"
#include "engine/render/spritecontainer.h"

#include <string>
#include <vector>

struct EnemyKind;

struct RobotNote {
    const char* name; // "Shield bot", in English
    const char* line; // how to beat it, in English
    const EnemyKind* body;
    const EnemyKind* beside; // drawn beside it, smaller; null for nothing
};

const RobotNote& NoteOf(LaterRobot robot);
// The kind's name and its line, in the language spoken.
std::string NameOf(LaterRobot robot);
std::string LineOf(LaterRobot robot);

// The words of the text in lines no wider than width (a word wider than that has a line alone).
std::vector<std::string> LinesWithin(const std::string& text, float width, datafiles::GlyphSize size);

// Puts a kind's picture on top of the container: its body walking, centred on the point and
// scaled down to fit a square of the given side, with what stands beside it at its lower right.
void PlaceRobotPicture(CSpriteContainer& sprites, LaterRobot robot, const vector2& centre, float side);
