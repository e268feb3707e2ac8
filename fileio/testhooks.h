#pragma once

#include <functional>

// For tests only: points where a test steps into a file replacement, to change the directory
// between two steps as another account could, or to stop the process there.
namespace vantro::testhooks {

enum class ReplaceStep
{
    Locked,  // the file is open and locked, before it is read
    Written, // the new content is written into the new file, which has no name yet
    Linked,  // the new file has its temporary name, just before the final check and the rename
};

// Called at each step while set; an empty function removes it.
void setReplaceHook(std::function<void(ReplaceStep)> hook);

// Makes the replacement use a named temporary file, as on a file system without unnamed ones.
void setNamedTemporaryOnly(bool namedOnly);

// Runs the hook, when one is set (for the code under test).
void reachReplaceStep(ReplaceStep step);

} // namespace vantro::testhooks
