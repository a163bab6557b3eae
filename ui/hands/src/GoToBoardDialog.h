#pragma once
// "Go to Board": asks for the number of a board of the hands window's session,
// in a spin box that opens on the board shown with its number selected, so
// that typing a number and Enter goes there. The dialog only reports where;
// the window moves.

#include "output/dealtext/DealSession.h"

#include <QDialog>

#include <optional>

class QSpinBox;

namespace kv {

class TGoToBoardDialog : public QDialog {
  public:
    // The spin box runs from the session's lowest board number to its highest.
    TGoToBoardDialog(const TDealSession& session, QWidget* parent);

    QSpinBox* NumberBox() const { return number_; }
    // After OK: the place in the session of the first board of the number chosen.
    std::optional<std::size_t> ChosenIndex() const { return chosen_; }

  public slots:
    // A number that no board of the session has is refused with a message, and
    // the dialog stays open.
    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    const TDealSession& session_;
    QSpinBox* number_;
    std::optional<std::size_t> chosen_;
};

} // namespace kv
