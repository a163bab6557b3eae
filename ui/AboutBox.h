#pragma once
// The About box: the program icon, "Kestrovanhalme" in bold, the version,
// the credits and a link to the maker's web page.

#include <QDialog>

class QLabel;

namespace kv {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    static QString MakerPage();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* version_;
};

// Creates the box, shows it modally and discards it.
void ShowAboutBox(QWidget* parent);

} // namespace kv
