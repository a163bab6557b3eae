#pragma once
// The About box: the program icon, "Kestrovanhalme" in bold, the version,
// the credits and the licence. It links nowhere: the program has no web page.

#include <QDialog>

class QLabel;

namespace kv {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // "Version " and the version the build was made from.
    static QString VersionLine();
    static QString LicenseLine();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* version_;
};

// Creates the box, shows it modally and discards it.
void ShowAboutBox(QWidget* parent);

} // namespace kv
