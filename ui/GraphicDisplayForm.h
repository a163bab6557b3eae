#pragma once
// The hands window: South and North of one deal as fanned rows of card faces
// on a green table, one deal always dealt in advance, "&Next Hand" to move on.
// Created hidden once at start-up and kept for the whole run; shown modally by
// the main window's "Generate Hands to Screen" through ShowDeals().

#include "CardFaces.h"
#include "DealEngine.h"
#include "HandsViewOptions.h"

#include <QDialog>

class QAction;
class QMenuBar;
class QPushButton;

namespace kv {

class THandPanel;
class TQtEngineHost;

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

    // Draws ShownDeal: both rows are built and drawn whichever are visible.
    void ShowHands();
    // Shows the panels of the ticked hand item and sets the client height
    // (185 for one hand, 329 for both).
    void ApplyHandView();
    // Closes the window if it is showing; the generator's too-narrow outcome.
    void CloseFromEngine();

  signals:
    // The user chose another hand or sort order in the View menu.
    void ViewOptionsChanged(const kv::THandsViewOptions& options);
    // F1 was released; the help context of the focused control (7 here).
    void HelpRequested(int context);

  protected:
    void showEvent(QShowEvent* event) override;
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

    QWidget* client_ = nullptr;
    THandPanel* northPanel_ = nullptr;
    THandPanel* southPanel_ = nullptr;
    QPushButton* nextHandBtn_ = nullptr;
    QAction* north1_ = nullptr;
    QAction* south1_ = nullptr;
    QAction* both1_ = nullptr;
    QAction* alternateColors1_ = nullptr;
    QAction* suitRank1_ = nullptr;
};

} // namespace kv
