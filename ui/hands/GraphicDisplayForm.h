#pragma once
// The hands window: the deals of one session on a green table, as fanned
// rows of card faces, one deal always dealt in advance, "&Next Hand" to move
// on and "&Previous Hand" to go back over the deals already shown, the board
// number, dealer and vulnerability of the deal shown, and on request the
// deal's double-dummy table, worked out on another thread. The window is
// resizable and draws its cards at the size it is given.
//
// Created hidden once at start-up and kept for the whole run; shown beside the
// main window, which stays usable, by "Generate Hands to Screen" through
// ShowDeals(), or over the boards of a file through ShowImported(). Boards
// dealt here and neither saved nor printed are given up only when the user
// agrees: on closing, and before another session replaces them.

#include "engine/DealEngine.h"
#include "engine/doubledummy/DoubleDummy.h"
#include "output/cardfaces/CardFaceCache.h"
#include "output/cardfaces/CardFaces.h"
#include "output/dealtext/DealSession.h"
#include "output/dealtext/SessionDealer.h"
#include "ui/hands/HandsViewOptions.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMenuBar;
class QPushButton;

namespace kv {

class TDoubleDummyAnalyser;
class TDoubleDummyPanel;
class THandPanel;
class THandsTable;
class TQtEngineHost;
struct TDDAnalysis;

// What the hands window asks of the program without owning it.
struct THandsWindowLinks {
    // Opens the print dialog over the session's boards, modally over `parent`;
    // true when they were printed.
    std::function<bool(QWidget* parent, const TDealSession& session)> PrintSession;
    // Stores the main window's editor into its type list before a deal, so
    // that the types the user changed meanwhile are dealt; false when the
    // editor holds an impossible type (the main window has said so).
    std::function<bool()> StoreTypes;
    // The generator left types out of the list; `before` is the list as it was.
    std::function<void(const TTypeList& before)> TypesDealt;
    // Analyses the session's boards, asking first what to measure.
    std::function<void(QWidget* parent, const TDealSession& session)> AnalyseSession;
};

class TGraphicDisplayForm : public QDialog {
    Q_OBJECT

  public:
    // Builds the card images (which seeds the engine's random source from the
    // clock) and installs itself as the host's hands window.
    TGraphicDisplayForm(TDealEngine& engine, TQtEngineHost& host, THandsViewOptions options,
                        QWidget* parent = nullptr);
    ~TGraphicDisplayForm() override;

    void SetLinks(THandsWindowLinks links);

    // The opening sequence of "Generate Hands to Screen": starts a new session,
    // deals the deal to show and the one after it, then shows the window.
    // Returns false, with the window unshown, when the generator gives up (it
    // has said why), when a generation is already running, or when the user
    // keeps the session shown.
    bool ShowDeals(TTypeList& types);
    // The opening sequence without showing the window: true when both deals
    // were made. While it runs, the windows already open take no input.
    bool PrepareDeals(TTypeList& types);
    // A session of the given boards (read from `source`), at its first board,
    // shown; false, with nothing shown, while a generation runs, when there
    // is no board, or when the user keeps the session shown.
    bool ShowImported(std::vector<TBoardDeal> boards, const QString& source);
    // The same without showing the window.
    bool PrepareImported(std::vector<TBoardDeal> boards, const QString& source);

    THandsViewOptions ViewOptions() const { return options_; }
    void SetViewOptions(const THandsViewOptions& options);
    bool Generating() const { return generating_; }
    const TCardImages& CardImages() const { return images_; }
    const TDealSession& Session() const { return session_; }
    // The deal shown and the deal made in advance, all four hands of each; an
    // empty deal when none was made in advance.
    const TFullDeal& ShownFullDeal() const { return shownDeal_; }
    TFullDeal NextFullDeal() const;
    // True when the window may close or the program end: the session holds
    // no board that only it holds, or the user agreed to give them up.
    bool MayDiscardSession();
    TDoubleDummyAnalyser& DoubleDummyAnalyser() const { return *analyser_; }
    // The zoom at which the table draws: 1 at the window's default size.
    double Zoom() const;

    // Draws the shown deal: every row is built and drawn whichever are visible.
    void ShowHands();
    // Shows the panels of the ticked hand item and sizes the window for them
    // at the present zoom: a client height of 185 for one hand, 329 for both,
    // 473 for all four, 144 more with the double-dummy table.
    void ApplyHandView();
    // Closes the window if it is showing; the generator's too-narrow outcome.
    void CloseFromEngine();
    // Shows the board at `index` of the session (from 0), as "&Previous Hand"
    // shows the one before: nothing is dealt. Nothing happens for an index
    // the session does not hold.
    void ShowBoardAt(std::size_t index);

  signals:
    // The user chose another hand, sort order or double-dummy view in the
    // View menu, or sized the window to another card size.
    void ViewOptionsChanged(const kv::THandsViewOptions& options);
    // F1 was released; the help context of the focused control (help::HandsDisplay).
    void HelpRequested(int context);

  protected:
    void showEvent(QShowEvent* event) override;
    // Closing drops the analyses not yet made.
    void hideEvent(QHideEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  public slots:
    // Closing while the next deal is being made waits for it; closing a
    // session with boards neither saved nor printed asks first.
    void reject() override;

  private:
    void BuildMenu(QMenuBar* bar);
    void BuildFileMenu(QMenuBar* bar);
    void BuildGoMenu(QMenuBar* bar);
    void ShowViewKeys();
    void OnGoToBoard();
    void UpdateGoItems();
    QWidget* BuildClient();
    QWidget* BuildControlPanel(QWidget* parent);
    void OnNextHand();
    void OnPreviousHand();
    // At the end of a dealt session: shows the deal made in advance (or, when
    // the last deal failed, a new one) and deals the next.
    void DealNextHand();
    void OnHandChosen(QAction* item);
    void OnSortOrderChosen(QAction* item);
    void OnDoubleDummyToggled(bool checked);
    void OnPrintHands();
    void OnSaveAsPbn();
    void OnAnalyseHands();
    // Shows the session's current board: its hands, its number, dealer and
    // vulnerability, and its analysis.
    void ShowBoard();
    void ShowBoardCaption();
    void ShowTitle();
    void UpdateButtons();
    void ShowBeside();
    // With the table in view: asks for the shown deal's analysis, showing it
    // at once when known, and for the next deal's ahead of time.
    void AnalyseShownDeal();
    void AnalyseNextDeal();
    void AnalysisReady(quint64 generation, const TDDAnalysis& analysis);
    void TickHandItem();
    // Keeps the zoom the user sized the window to as the card size, and tells
    // it when it changes by a whole percent.
    void KeepCardSize();
    THandToView TickedView() const;
    void CentreOnScreen();
    // The zoom at most `zoom` at which the view fits the screen.
    double FittingZoom(double zoom) const;
    int MenuBarHeight(int width) const;
    // One deal from the generator through the host's guarded entry.
    std::optional<TDealOutcome> Generate(TTypeList& types);
    // Runs `deal` with the buttons showing that a deal is being made.
    bool WhileGenerating(const std::function<bool()>& deal);

    TDealEngine& engine_;
    TQtEngineHost& host_;
    THandsViewOptions options_;
    THandsWindowLinks links_;
    TCardImages images_;
    TCardFaceCache faces_;
    TTypeList* types_ = nullptr;
    bool generating_ = false;
    bool closeWaiting_ = false;

    TDealSession session_;
    TSessionDealer dealer_;
    TFullDeal shownDeal_;
    bool dealShown_ = false;
    TDoubleDummyAnalyser* analyser_ = nullptr;
    std::uint64_t awaited_ = 0; // the analyser's generation for the shown deal
    double zoom_ = 1.0;         // the zoom the user sized the window to
    bool fitting_ = false;      // the window is sizing itself

    QWidget* client_ = nullptr;
    THandsTable* table_ = nullptr;
    QWidget* controlPanel_ = nullptr;
    QLabel* sessionLabel_ = nullptr; // the session's seed or file
    QPushButton* previousHandButton_ = nullptr;
    QPushButton* nextHandButton_ = nullptr;
    QAction* northItem_ = nullptr;
    QAction* southItem_ = nullptr;
    QAction* bothItem_ = nullptr;
    QAction* allItem_ = nullptr;
    QAction* alternateColorsItem_ = nullptr;
    QAction* suitRankItem_ = nullptr;
    QAction* doubleDummyItem_ = nullptr;
    QAction* printHandsItem_ = nullptr;
    QAction* saveAsPbnItem_ = nullptr;
    QAction* analyseHandsItem_ = nullptr;
    QAction* firstBoardItem_ = nullptr;
    QAction* lastBoardItem_ = nullptr;
    QAction* goToBoardItem_ = nullptr;
};

} // namespace kv
