#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace vantro {

// What the window asks a file name for.
enum class FileChoice
{
    AddWords,     // a word file whose words join the list
    TakeOutWords, // a word file whose words leave it
    OpenProfile,  // a profile to apply
    SaveProfile,  // where to save the window's edits as a profile
};

// How the window asks the user for a file name: it returns at once, and calls chosen with the
// path later, when one was chosen (never when the user cancels). Tests replace it to answer
// without a dialog.
using FileChooser =
    std::function<void(FileChoice choice, std::function<void(const QString &path)> chosen)>;

// Asks with a window-modal file dialog over the parent, which the event loop runs.
FileChooser fileDialogChooser(QWidget *parent);

} // namespace vantro
