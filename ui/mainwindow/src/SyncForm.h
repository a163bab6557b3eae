#pragma once
// The Synchronize dialog: shows the random seed as 8 hex digits and lets the
// user type another. The dialog only reports the text; SynchronizeSeed acts
// on it.

#include <QDialog>

#include <cstdint>

class QLineEdit;
class QLabel;
class QPushButton;

namespace kv {

class TRandomSource;

class TSyncForm : public QDialog {
    Q_OBJECT
  public:
    explicit TSyncForm(std::int32_t seed, QWidget* parent = nullptr);

    QString SeedText() const;
    QLineEdit* SeedEdit() const { return seedEdit_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool FilterKey(class QKeyEvent* key);

    std::int32_t seed_;
    QLineEdit* seedEdit_;
};

// Runs the dialog modally. On OK the typed text becomes the seed, or, when it
// is no hex number of at most 8 significant digits, an error box says so and
// the seed stays. Returns true when the seed was set.
bool SynchronizeSeed(QWidget* parent, TRandomSource& random);

// The action of OK, without the dialog.
bool ApplySeedText(QWidget* parent, const QString& text, TRandomSource& random);

} // namespace kv
