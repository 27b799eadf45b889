#pragma once

#include <QByteArrayView>
#include <optional>
#include <string>

#include "datafile/savefile.h"

// The ways SaveFileAtomically writes, each in a file of its own.
namespace SaveSteps {

// Writes every byte at the descriptor's position, counting what was written; false with errno set
// when it could not. A reader that went away is an error (EPIPE), not the end of the program.
bool writeAll(int fd, QByteArrayView bytes, size_t& written);

// Writes into a descriptor that is open already (standard output, /dev/fd/N) or into what is not a
// regular file (a device, a pipe), as it is.
std::optional<SaveFailure> writeIntoDescriptor(int fd, QByteArrayView bytes);
std::optional<SaveFailure> writeIntoDevice(const std::string& path, bool pipe, QByteArrayView bytes);

// Writes an existing regular file in place: its new size is reserved before the first byte changes,
// and when a step fails after that its old bytes are put back.
std::optional<SaveFailure> writeInPlace(const std::string& target, QByteArrayView bytes);

// Creates a new, empty file beside `target` under a name that tells this writer (host and process);
// returns its descriptor and name.
int createTemporary(const std::string& target, std::string& name);
// Removes what earlier saves of `target` left when their writer was killed: their temporary files
// whose process is gone.
void removeStaleTemporaries(const std::string& target);

}  // namespace SaveSteps
