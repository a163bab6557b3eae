#pragma once
// Shared pieces of the hands-window tests: a window over its own engine and
// host, seeds with known outcomes, and waiting for the modal window.

#include "RecordingHost.h"
#include "engine/GenerateDeal.h"
#include "ui/enginehost/QtEngineHost.h"
#include "ui/hands/GraphicDisplayForm.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace kv::test {

// One type asking South for 37 points: from seed 6 the first call deals and
// the second gives up as too narrow; from seed 55 the first two deal and the
// third gives up.
inline TTypeList NarrowTypes() {
    TTypeList types(1);
    types[0].SHCPMin = 37;
    return types;
}
inline constexpr std::int32_t kDealsThenFails = 6;
inline constexpr std::int32_t kDealsTwiceThenFails = 55;

// The results of successive GenerateDeal calls from a seed, without windows.
inline std::vector<bool> Outcomes(std::int32_t seed, TTypeList types, int calls) {
    TDealEngine engine;
    TRecordingHost host;
    engine.Random().RandomSeed = seed;
    std::vector<bool> results;
    for (int i = 0; i < calls; ++i)
        results.push_back(GenerateDeal(engine, types, host).Dealt());
    return results;
}

// All four hands of successive deals from a seed.
inline std::vector<TFullDeal> FullDeals(std::int32_t seed, TTypeList types, int calls) {
    TDealEngine engine;
    TRecordingHost host;
    engine.Random().RandomSeed = seed;
    std::vector<TFullDeal> deals;
    for (int i = 0; i < calls; ++i) {
        TDealOutcome dealt = GenerateDeal(engine, types, host);
        if (!dealt.Dealt()) break;
        deals.push_back(std::move(dealt.Deal));
    }
    return deals;
}

struct THandsWindow {
    explicit THandsWindow(THandsViewOptions options = {})
        : Form(std::make_unique<TGraphicDisplayForm>(Engine, Host, options)) {}
    TDealEngine Engine;
    TQtEngineHost Host;
    std::unique_ptr<TGraphicDisplayForm> Form;

    template <class T = QWidget> T* Find(const char* name) const {
        return Form->findChild<T*>(QLatin1String(name));
    }
};

// Runs `action` once `widget` is showing (for windows shown with exec()).
inline void WhenShown(QWidget* widget, std::function<void()> action) {
    QTimer::singleShot(5, widget, [widget, action] {
        if (widget->isVisible())
            action();
        else
            WhenShown(widget, action);
    });
}

} // namespace kv::test
