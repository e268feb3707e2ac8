#pragma once

namespace vantro {

// Makes a write beyond the file-size limit (ulimit -f) fail with an error, as a full disk does,
// instead of killing the program with SIGXFSZ halfway through a line. Both programs call it at
// start, before they write anything.
void ignoreFileSizeSignal();

} // namespace vantro
