#pragma once
// The program's engine host: the deal generator's only road to the windows.
// Warnings go through the message seam, pending events run through Qt, and the
// hands window is closed through a callback that its owner installs.
// Generate() is the one entry to the generator for every window: it refuses a
// nested call, so GenerateDeal is never entered again while it runs.

#include "engine/DealEngine.h"
#include "engine/EngineHost.h"
#include "engine/FullDeal.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

namespace kv {

class TQtEngineHost : public IEngineHost {
  public:
    // Warnings are parented to the active window, or to `fallbackParent`.
    explicit TQtEngineHost(QWidget* fallbackParent = nullptr) : fallbackParent_(fallbackParent) {}

    void ProcessMessages() override;
    // A warning box titled "Warning" with a single OK button.
    void ShowWarning(const std::string& text) override;
    void CloseHandsWindow() override;

    // Called by CloseHandsWindow; the hands window installs it.
    void SetCloseHandsWindow(std::function<void()> close) { closeHands_ = std::move(close); }

    // Runs GenerateDeal unless a call is already running and gives the deal
    // made; nothing when the generator gave up (after its warning) or when
    // the call was refused as nested, at once, drawing nothing and showing
    // nothing.
    std::optional<TFullDeal> Generate(TDealEngine& engine, TTypeList& types);
    // The same, with the type the deal meets and the types left out.
    std::optional<TDealOutcome> Deal(TDealEngine& engine, TTypeList& types);
    bool Generating() const { return generating_; }

  private:
    QPointer<QWidget> fallbackParent_;
    std::function<void()> closeHands_;
    bool generating_ = false;
};

} // namespace kv
