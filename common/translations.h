#pragma once

namespace vantro {

// Loads the English forms of the messages that carry a count ("1 entry", "2 entries") into the
// application, which must exist. Both programs call it at start, and so do the tests that read
// messages.
void installTranslations();

} // namespace vantro
