#pragma once
// Saving a configuration file so that a crash or a full disk never leaves a
// half-written file behind: the text goes to a temporary file beside the
// target, is flushed to disk, and then replaces the target in one rename.

#include <string>

// Raises EFCreateError naming the file when it cannot be written; the old file
// is then left as it was. Creates missing parent folders.
void SaveFileSafely(const std::string& fileName, const std::string& contents);
