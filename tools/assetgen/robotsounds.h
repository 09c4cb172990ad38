#pragma once
// The later robot kinds' sounds, synthesised: a shot glancing off armour (a struck steel ping), a
// lone twin's electric hum, a phantom fading out (a falling, breathy wail), a hive hatching (a wet
// pop and two chirps) and a sower laying a mine (a clunk and two beeps).
#include "synth.h"

#include <string>

SoundBuffer ArmourClank();
SoundBuffer TwinHum();
SoundBuffer PhantomFade();
SoundBuffer HiveHatch();
SoundBuffer MineDrop();

// Writes every one of them into the directory; false on a failure.
bool WriteRobotSounds(const std::string& outdir);
