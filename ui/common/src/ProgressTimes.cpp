#include "ui/common/ProgressTimes.h"

#include <algorithm>

namespace kv {

QString DurationText(qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    QString mmss =
        QStringLiteral("%1:%2").arg(seconds / 60 % 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (seconds < 3600) return mmss;
    return QStringLiteral("%1:%2")
        .arg(seconds / 3600)
        .arg(mmss.rightJustified(5, QLatin1Char('0')));
}

QString ElapsedText(qint64 elapsedMs) {
    return QStringLiteral("Elapsed: %1").arg(DurationText(elapsedMs));
}

QString TimeLeftText(qint64 elapsedMs, qint64 done, qint64 total) {
    if (done <= 0 || total <= 0) return QStringLiteral("Time left: estimating...");
    const qint64 left = elapsedMs * std::max<qint64>(total - done, 0) / done;
    return QStringLiteral("Time left: about %1").arg(DurationText(left));
}

} // namespace kv
