#pragma once
// The help window: a contents list and a keyword index beside the page
// being read. The pages are built into the program.

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;

namespace kv {

// The keyword the index goes to for the typed text: the first that begins
// with it, else the first with a later word that begins with it ("vul" finds
// "Dealer and vulnerability"); -1 when none has. Case does not count.
int KeywordRow(const QStringList& keywords, const QString& typed);

class THelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit THelpWindow(QWidget* parent = nullptr);

    void ShowContents();
    // The index with an empty search field that has the focus.
    void ShowIndex();
    void ShowContext(int context);

    QString CurrentPage() const;
    // The part of the page it was opened at ("printer"), or empty.
    QString CurrentAnchor() const;
    QTabWidget* Tabs() const { return tabs_; }
    QLineEdit* SearchField() const { return search_; }
    QListWidget* KeywordList() const { return keywords_; }

  protected:
    // The first time it opens, the window opens in the middle of the screen,
    // no larger than the screen; afterwards where the user left it.
    void showEvent(QShowEvent* event) override;
    // Escape closes the window, as it closes the program's dialogs.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* BuildContentsTab();
    QWidget* BuildIndexTab();
    void OpenPage(const QString& page);
    void FilterKeywords(const QString& prefix);
    void OpenKeyword(QListWidgetItem* item);

    QTabWidget* tabs_;
    QListWidget* topics_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListWidget* keywords_ = nullptr;
    QTextBrowser* browser_;
    bool placed_ = false;
};

} // namespace kv
