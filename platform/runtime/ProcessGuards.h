// What a program sets up at start so that hostile or unlucky conditions
// never cost the user a file: standard descriptors that no file can take
// over, and a temporary output that an interrupted run removes.
#pragma once

namespace nvrt {

// Opens the null device on any of the standard input, output and error that
// is closed, so that no file the program opens later takes their place (and
// receives what is printed).
void reserveStandardDescriptors();

// Makes the interrupting signals (Ctrl-C, termination, hang-up, quit) remove
// the temporary file of the output under way and then end the process by the
// same signal, so that the caller sees the usual status (128 + the signal
// in a shell). With `closedPipeEnds`, a closed pipe does the same; without
// it a closed pipe is ignored, and writing to it fails with an error the
// program handles itself.
void removeTemporaryFileOnSignals(bool closedPipeEnds);

// Removes the temporary file of the output under way, if there is one. Safe
// in a signal handler and from any thread, for abnormal ends of every kind.
void removePendingTemporaryFile();

// Called by the output file: the temporary file (in the host's form) about
// to be created and, once it is renamed or removed, no file. The name is
// recorded before the file exists, so that it is never left unrecorded.
void setPendingTemporaryFile(const void* nativePath);
void clearPendingTemporaryFile();

}  // namespace nvrt
