#pragma once
// The times that the progress windows of long work show: how long the work
// has run, and how long it will still take at the pace so far.

#include <QString>

namespace kv {

// "0:07", "12:30", "1:02:03".
QString DurationText(qint64 milliseconds);
// "Elapsed: 0:07".
QString ElapsedText(qint64 elapsedMs);
// "Time left: about 0:16" at the pace of `done` of `total` items in
// `elapsedMs`; "Time left: estimating..." before the first item is done.
QString TimeLeftText(qint64 elapsedMs, qint64 done, qint64 total);

} // namespace kv
