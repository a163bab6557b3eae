#pragma once
// The one way the program says that it has written a file for the user (a
// PDF of hand records, a PBN file, an export): a message that names the file
// and offers to open it, or the folder that holds it, with the desktop's own
// program.

#include <QString>

class QWidget;

namespace kv {

// An information box titled `title`: `lead` ("The hand records were saved
// as"), the file's path on the next line and, when given, `note` after an
// empty line; with the buttons "&Open" (the file), "Open &Folder" and
// "&Close" (also Escape).
void OfferToOpenFile(QWidget* parent, const QString& title, const QString& lead,
                     const QString& file, const QString& note = {});

// The text of that box.
QString SavedFileText(const QString& lead, const QString& file, const QString& note = {});

} // namespace kv
