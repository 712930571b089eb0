#pragma once
// The application title: the product name as shortened by SetAppTitle. It titles every
// message box that names no title of its own and names the program in the task list.

#include <QString>

namespace quillory {

// Cuts `name` at its last space, then again while it is longer than 40 characters; a cut
// without a space ends the cutting and leaves the text as it is.
QString shortenedAppTitle(const QString& name);

// Sets the application title from the product name (and the GUI display name when a
// QGuiApplication exists).
void SetAppTitle();

// The current application title; the product name until SetAppTitle runs.
QString applicationTitle();

}  // namespace quillory
