#include "ui/enginehost/QtEngineHost.h"

#include "engine/GenerateDeal.h"
#include "ui/common/MessageSeam.h"

#include <QApplication>

namespace kv {

void TQtEngineHost::ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TQtEngineHost::ShowWarning(const std::string& text) {
    QWidget* parent = QApplication::activeWindow();
    if (parent == nullptr) parent = fallbackParent_;
    TMessageSeam::Show(parent, TMessageKind::Warning, QStringLiteral("Warning"),
                       QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())));
}

void TQtEngineHost::CloseHandsWindow() {
    if (closeHands_) closeHands_();
}

std::optional<TFullDeal> TQtEngineHost::Generate(TDealEngine& engine, TTypeList& types) {
    std::optional<TDealOutcome> outcome = Deal(engine, types);
    if (!outcome) return std::nullopt;
    return std::move(outcome->Deal);
}

std::optional<TDealOutcome> TQtEngineHost::Deal(TDealEngine& engine, TTypeList& types) {
    if (generating_) return std::nullopt;
    generating_ = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{generating_};
    TDealOutcome outcome = GenerateDeal(engine, types, *this);
    if (!outcome.Dealt()) return std::nullopt;
    return outcome;
}

} // namespace kv
