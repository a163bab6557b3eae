#pragma once
// How set names are compared. Lists sort them and look them up ignoring letter
// case by the user's locale; saving under a new name compares with only the
// ASCII letters a-z folded, so "Été" and "éTÉ" count as different names.

#include "storage/paramsfile/SetRecord.h" // AsciiUpper
#include <QString>

#include <string>
#include <string_view>

namespace kv {

// Collation order ignoring case, by the user's locale: <0, 0 or >0.
int CompareNamesIgnoringCase(const QString& a, const QString& b);
inline bool NamesEqualIgnoringCase(const QString& a, const QString& b) {
    return CompareNamesIgnoringCase(a, b) == 0;
}

// The name as a set record stores it: cut to its first 255 characters.
QString StoredName(const QString& name);

} // namespace kv
