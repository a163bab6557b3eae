#include "SetNames.h"

#include "storage/paramsfile/SetRecord.h"

#include <QCollator>

namespace kv {

int CompareNamesIgnoringCase(const QString& a, const QString& b) {
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator.compare(a, b);
}

// Characters, not UTF-16 units: a name may hold no character outside the
// single-byte code page, so each character is one code unit here.
QString StoredName(const QString& name) {
    return name.left(static_cast<qsizetype>(kMaxNameLength));
}

} // namespace kv
