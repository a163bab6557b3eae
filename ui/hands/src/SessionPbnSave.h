#pragma once
// "&Save as PBN..." of the hands window: the session's boards written as a
// PBN file by the program's one PBN writer, with their numbers, dealers and
// vulnerabilities, the Generator tag with the seed of a dealt session, and
// the double-dummy tags when the analysis is on.

#include <QString>

class QWidget;

namespace kv {

class TDealSession;

// The Generator tag's value for a dealt session: "Kestrovanhalme <version>,
// seed <8 hex digits>"; empty for an imported one.
QString SessionGenerator(const TDealSession& session);

// Asks for a file name (ending in .pbn unless the user gives an extension),
// asks before replacing an existing file, analyses the complete boards with
// the progress window when `withDoubleDummy`, and writes the file whole
// through a temporary file renamed into place, then says where it went and
// offers to open it. Cancelling any step writes nothing; a file that cannot
// be written gets a message naming it. True when the file was written.
bool SaveSessionAsPbn(QWidget* parent, const TDealSession& session, bool withDoubleDummy);

} // namespace kv
