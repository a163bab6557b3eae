#pragma once
// "Read From File": the list of the sets in the database, from which the user
// reads or deletes one. Its list box is the program's SetNameList, the index
// of the database kept in step with every change made to it during the run.
// The dialog is made once at start-up, hidden, and lives for the whole run.

#include <QDialog>

#include <optional>

class QPushButton;
class QStatusBar;

namespace kv {

class IParamSetHost;
class TSetListBox;
class TSettingsStore;
struct TSetEntry;

class TReadFromFileForm : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kMinWidth = 341;
    static constexpr int kMinHeight = 206;

    // Takes its size from the store; resizable, never below 341 x 206.
    TReadFromFileForm(IParamSetHost& host, TSettingsStore& store, QWidget* parent = nullptr);

    // Fills SetNameList from the database, creating "PARAMS.SAV" in the current
    // directory when it is missing; a file that cannot be listed is warned about.
    // Throws EInOutError when the missing database cannot be created.
    void ListDatabase();

    // Another program changed the database: the entry's record no longer
    // holds its set. Lists the database again and tells the user so.
    void ShowDatabaseChanged(const TSetEntry& entry, QWidget* parent);

    TSetListBox& SetNameList() const { return *setList_; }
    // The entry chosen when the dialog closed with Read, if any.
    std::optional<TSetEntry> SelectedEntry() const;

    // Asks "Delete '<name>'?"; on Yes frees the set's record in the database,
    // then removes the entry. A record that no longer holds the set is left
    // alone (ShowDatabaseChanged). An error that stops the delete is reported
    // through the host, and the entry stays.
    void OnDelete();

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildControls();
    void StoreSize();

    IParamSetHost& host_;
    TSettingsStore& store_;
    TSetListBox* setList_ = nullptr;
    QPushButton* readButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
};

} // namespace kv
