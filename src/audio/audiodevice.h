#pragma once
// The audio device and the music track. The device is opened by the first StartMusic (the program
// entry starts the music before it loads the effect bank) and stays open for the rest of the run.
// While it will not open, every StartMusic tries again and prints its failure line again.
// Console lines go to standard output; the device's two failure lines are in Finnish.
#include <string>

// The device, like SDL_mixer behind it, is one for the whole process: its state lives here and
// nowhere else.

// True once the device has been opened (and not closed since).
bool AudioOpen();

// Opens the device: 44100 Hz, signed 16-bit, stereo, 2048-frame buffer, 16 effect channels.
// Prints the driver's name on success; on failure prints "Ei onnannu <SDL error>" (no audio
// subsystem) or "Vaara: ei kyetty 44100 Hz 16-bit audioon <SDL error>" (no device in that format)
// and returns false.
bool OpenAudio();

// Opens the device if it is not open yet, then loads the track at path afresh and plays it once
// from the start (the frame loop calls it again whenever the track has ended). A track that
// cannot be loaded prints "Error! Mix_LoadMUS( <path>) : <SDL error>". The track of the previous
// start is freed once a new one is loaded. Does nothing while sound is disabled (soundoutput.h).
// A volume of 0 to 128 is the music's mixer volume from the track's first sample on (opening the
// device sets it to full); -1 keeps the one set before.
void StartMusic(const std::string& path, int volume = -1);

// The track plays once per start: restarting it whenever it has ended is what loops it. Starts
// it again (as StartMusic does, with its reports) when nothing plays.
void KeepMusicPlaying(const std::string& path);

// The music's mixer volume and that of every effect channel, 0 to 128.
void SetMixerVolumes(int music, int effects);
// Holds the music and every effect where they are (a paused game), or lets them play on.
void HoldAllSound(bool held);

// Frees the track, closes the device and shuts the audio subsystem down, so that the next
// StartMusic opens it anew. The game keeps the device to the end of the process; tools and tests
// close it.
void CloseAudio();
