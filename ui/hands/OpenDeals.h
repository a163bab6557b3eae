#pragma once
// "&Open Deals (PBN)..." of the main window: the boards of a PBN file made
// by any program, shown as a session in the hands window with the numbers,
// dealers and vulnerabilities of the file and its hands left out shown as
// unknown.

#include "output/dealtext/BoardDeal.h"
#include "output/pbnimport/PbnImport.h"

#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace kv {

class TGraphicDisplayForm;

// The boards of a file that was read, with their other tags, which Save as
// PBN writes back.
std::vector<TBoardDeal> SessionBoards(TPbnImport import);

// Reads the PBN file at `path`: its boards, or nothing after one message
// (title "Warning") naming the file and the line that could not be read.
std::optional<std::vector<TBoardDeal>> ReadDealsFile(QWidget* parent, const QString& path);

// Asks for a PBN file, reads it whole and shows its boards in the hands
// window; a file that cannot be read shows nothing at all. True when the
// boards were shown.
bool OpenDealsFile(QWidget* parent, TGraphicDisplayForm& hands);

} // namespace kv
