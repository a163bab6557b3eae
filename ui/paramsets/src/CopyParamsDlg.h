#pragma once
// "Copy parameters": the sets of the source on the left (srcList_), the sets
// chosen for copying on the right (dstList_), four arrow buttons between them.
// From the database to another file (ToOtherFile) the user may run several
// copies ("&Next") before Cancel; into the database from another file one
// copy ("Co&py") closes the dialog. The dialog is resizable, never below
// 442 x 309, and keeps its size in the settings store.

#include <QDialog>

class QLabel;
class QPushButton;
class QStatusBar;

namespace kv {

class IParamSetHost;
class TSetListBox;
class TSettingsStore;
struct TCopyOutcome;
struct TSetEntry;

class TCopyParamsDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kMinWidth = 442;
    static constexpr int kMinHeight = 309;

    // toOtherFile: from the database (listed by setNameList) to a file chosen
    // at each copy. Otherwise from sourcePath into the database; its sets are
    // listed now, and setNameList gains every set copied in.
    TCopyParamsDlg(bool toOtherFile, const QString& sourcePath, TSetListBox& setNameList,
                   IParamSetHost& host, TSettingsStore& store, QWidget* parent = nullptr);

    const bool ToOtherFile;

    // ">" and ">>" are enabled exactly when srcList_ has entries; "<", "<<" and
    // nextButton_ exactly when dstList_ has.
    void SetButtons();
    // The first selected row of list, -1 when none.
    static int GetFirstSelection(const TSetListBox* list);
    // Focuses list and selects row index, brought into 0..last; then SetButtons.
    void SetItem(TSetListBox* list, int index);

    void OnInclude();
    void OnIncludeAll();
    void OnExclude();
    void OnExcludeAll();
    // Runs the copy; an error that stops it goes to the host's error report.
    // A source that another program changed is listed again, with a message.
    void OnNext();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildControls();
    void ShowSource();
    void ApplyStoredSize();
    void Arrange();
    TCopyOutcome RunCopy();
    void ShowSourceChanged(const TSetEntry& gone);

    QString sourcePath_;
    TSetListBox& setNameList_;
    IParamSetHost& host_;
    TSettingsStore& store_;
    QLabel* promptLabel_ = nullptr;
    QLabel* srcLabel_ = nullptr;
    QLabel* dstLabel_ = nullptr;
    TSetListBox* srcList_ = nullptr;
    TSetListBox* dstList_ = nullptr;
    QPushButton* includeButton_ = nullptr;
    QPushButton* includeAllButton_ = nullptr;
    QPushButton* excludeButton_ = nullptr;
    QPushButton* excludeAllButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
};

} // namespace kv
