#pragma once
// The hands window: South and North of one deal as fanned rows of card faces
// on a green table, one deal always dealt in advance, "&Next Hand" to move on,
// and on request the deal's double-dummy table, worked out on another thread.
// Created hidden once at start-up and kept for the whole run; shown modally by
// the main window's "Generate Hands to Screen" through ShowDeals().

#include "CardFaces.h"
#include "DealEngine.h"
#include "DoubleDummy.h"
#include "HandsViewOptions.h"

#include <cstdint>

#include <QDialog>

class QAction;
class QMenuBar;
class QPushButton;

namespace kv {

class TDoubleDummyAnalyser;
class TDoubleDummyPanel;
class THandPanel;
class TQtEngineHost;
struct TDDAnalysis;

class TGraphicDisplayForm : public QDialog {
    Q_OBJECT

  public:
    // Builds the card images (which seeds the engine's random source from the
    // clock) and installs itself as the host's hands window.
    TGraphicDisplayForm(TDealEngine& engine, TQtEngineHost& host, THandsViewOptions options,
                        QWidget* parent = nullptr);
    ~TGraphicDisplayForm() override;

    // The opening sequence of "Generate Hands to Screen": deals the deal to
    // show and the one after it, then shows the window modally. Returns false,
    // with the window unshown, when the generator gives up (it has said why)
    // or when a generation is already running.
    bool ShowDeals(TTypeList& types);
    // The opening sequence without showing the window: true when both deals
    // were made. While it runs, the windows already open take no input.
    bool PrepareDeals(TTypeList& types);

    THandsViewOptions ViewOptions() const { return options_; }
    void SetViewOptions(const THandsViewOptions& options);
    bool Generating() const { return generating_; }
    const TCardImages& CardImages() const { return images_; }
    // All four hands of the deal shown and of the deal made in advance:
    // ShownDeal and NextDeal with the East and West hands kept beside them.
    TFullDeal ShownFullDeal() const;
    TFullDeal NextFullDeal() const;
    TDoubleDummyAnalyser& DoubleDummyAnalyser() const { return *analyser_; }

    // Draws ShownDeal: both rows are built and drawn whichever are visible.
    void ShowHands();
    // Shows the panels of the ticked hand item and sets the client height
    // (185 for one hand, 329 for both, 144 more with the double-dummy table).
    void ApplyHandView();
    // Closes the window if it is showing; the generator's too-narrow outcome.
    void CloseFromEngine();

  signals:
    // The user chose another hand, sort order or double-dummy view in the
    // View menu.
    void ViewOptionsChanged(const kv::THandsViewOptions& options);
    // F1 was released; the help context of the focused control (7 here).
    void HelpRequested(int context);

  protected:
    void showEvent(QShowEvent* event) override;
    // Closing drops the analyses not yet made.
    void hideEvent(QHideEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  public slots:
    // Closing while the next deal is being made waits for it.
    void reject() override;

  private:
    void BuildMenu(QMenuBar* bar);
    QWidget* BuildClient();
    void NextHandBtnClick();
    void HandItemClick(QAction* item);
    void SortOrderItemClick(QAction* item);
    void DoubleDummyItemClick(bool checked);
    // With the table in view: asks for the shown deal's analysis, showing it
    // at once when known, and for the next deal's ahead of time.
    void AnalyseShownDeal();
    void AnalyseNextDeal();
    void AnalysisReady(quint64 generation, const TDDAnalysis& analysis);
    void TickHandItem();
    void CentreOnScreen();
    bool Generate();
    void KeepAsNextDeal();

    TDealEngine& engine_;
    TQtEngineHost& host_;
    THandsViewOptions options_;
    TCardImages images_;
    TTypeList* types_ = nullptr;
    bool generating_ = false;
    bool closeWaiting_ = false;

    // East and West of ShownDeal and NextDeal, copied along with them.
    struct TEastWest {
        tHand East, West;
    };
    TEastWest shownEastWest_, nextEastWest_;
    bool dealShown_ = false, nextDealt_ = false;
    TDoubleDummyAnalyser* analyser_ = nullptr;
    std::uint64_t awaited_ = 0; // the analyser's generation for the shown deal

    QWidget* client_ = nullptr;
    THandPanel* northPanel_ = nullptr;
    THandPanel* southPanel_ = nullptr;
    TDoubleDummyPanel* doubleDummyPanel_ = nullptr;
    QPushButton* nextHandBtn_ = nullptr;
    QAction* north1_ = nullptr;
    QAction* south1_ = nullptr;
    QAction* both1_ = nullptr;
    QAction* alternateColors1_ = nullptr;
    QAction* suitRank1_ = nullptr;
    QAction* doubleDummy1_ = nullptr;
};

} // namespace kv
