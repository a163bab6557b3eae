#include "ui/common/DesktopSeam.h"

#include <QDesktopServices>
#include <QUrl>

namespace kv {
namespace {

struct TSeamState {
    bool Recording = false;
    QStringList Opened;
};

TSeamState& State() {
    static TSeamState state;
    return state;
}

} // namespace

bool TDesktopSeam::Open(const QString& path) {
    if (State().Recording) {
        State().Opened << path;
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TDesktopSeam::StartRecording() {
    State() = TSeamState{};
    State().Recording = true;
}

void TDesktopSeam::StopRecording() {
    State().Recording = false;
}

const QStringList& TDesktopSeam::Opened() {
    return State().Opened;
}

} // namespace kv
