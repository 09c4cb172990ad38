#pragma once
// Whole files as bytes, for the levels and packs: read with a limit (a zip, a level file, a pack's
// list), and written the safe way: into a temporary file in the same folder, synced to the disk,
// then renamed over the file, so that nobody ever finds it half-written.
#include <cstddef>
#include <string>

// Reads the whole file, if it is a regular file of at most limit bytes. False, with the problem
// in one line ("is larger than 10 MB", "is a folder", "cannot be opened: ..."), otherwise.
bool ReadFileBytes(const std::string& path, std::size_t limit, std::string& bytes, std::string& problem);

// Writes the bytes as the file's contents, as above, making no folder. False, with the problem
// in one line, when a step fails; the file is then as it was.
bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string& problem);

// "10 MB", "64 KB", "512 bytes": a limit as the problems above name it.
std::string SizeText(std::size_t bytes);
