#pragma once
// A save past the process's file-size limit (RLIMIT_FSIZE) raises SIGXFSZ, which by default
// ends the program on the spot and leaves the temporary file of the save behind. Ignored, the
// write fails with EFBIG like any other failed write. Every program that saves calls this once
// at start.

namespace kolvar {

void IgnoriereDateigrenzenSignal();

}  // namespace kolvar
