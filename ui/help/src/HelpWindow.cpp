#include "HelpWindow.h"

#include "HelpTopics.h"
#include "ui/common/HelpContext.h"
#include "ui/common/WindowPlacement.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kv {
namespace {

QUrl PageUrl(const QString& page) {
    return QUrl(QStringLiteral("qrc:/help/") + page);
}

} // namespace

int KeywordRow(const QStringList& keywords, const QString& typed) {
    for (int row = 0; row < keywords.size(); ++row)
        if (keywords[row].startsWith(typed, Qt::CaseInsensitive)) return row;
    for (int row = 0; row < keywords.size(); ++row) {
        const QString& keyword = keywords[row];
        for (qsizetype at = keyword.indexOf(u' '); at >= 0; at = keyword.indexOf(u' ', at + 1))
            if (QStringView(keyword).mid(at + 1).startsWith(typed, Qt::CaseInsensitive)) return row;
    }
    return -1;
}

THelpWindow::THelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), tabs_(new QTabWidget), browser_(new QTextBrowser) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Kestrovanhalme Help"));
    // Closing the main window ends the program even while help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    tabs_->addTab(BuildContentsTab(), QStringLiteral("&Contents"));
    tabs_->addTab(BuildIndexTab(), QStringLiteral("&Index"));
    browser_->setObjectName(QStringLiteral("HelpPage"));
    browser_->setOpenExternalLinks(true);

    auto* back = new QPushButton(QStringLiteral("&Back"));
    back->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    auto* pageSide = new QWidget;
    auto* pageLayout = new QVBoxLayout(pageSide);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addStretch();
    pageLayout->addLayout(bar);
    pageLayout->addWidget(browser_);

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(pageSide);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 510});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(780, 520);
}

QWidget* THelpWindow::BuildContentsTab() {
    topics_ = new QListWidget;
    topics_->setObjectName(QStringLiteral("HelpTopics"));
    for (const THelpTopic& topic : HelpTopics()) {
        auto* item = new QListWidgetItem(QString::fromUtf8(topic.Title), topics_);
        item->setData(Qt::UserRole, QString::fromLatin1(topic.Page));
    }
    connect(topics_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { OpenPage(item->data(Qt::UserRole).toString()); });
    connect(topics_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OpenPage(item->data(Qt::UserRole).toString()); });
    return topics_;
}

QWidget* THelpWindow::BuildIndexTab() {
    auto* page = new QWidget;
    auto* label =
        new QLabel(QStringLiteral("&Type the first letters of the word you are looking for:"));
    label->setWordWrap(true);
    search_ = new QLineEdit;
    search_->setObjectName(QStringLiteral("HelpSearch"));
    label->setBuddy(search_);
    keywords_ = new QListWidget;
    keywords_->setObjectName(QStringLiteral("HelpKeywords"));
    for (const THelpKeyword& keyword : HelpKeywords()) {
        auto* item = new QListWidgetItem(QString::fromUtf8(keyword.Word), keywords_);
        item->setData(Qt::UserRole, QString::fromLatin1(keyword.Page));
    }
    connect(search_, &QLineEdit::textChanged, this, &THelpWindow::FilterKeywords);
    connect(search_, &QLineEdit::returnPressed, this,
            [this] { OpenKeyword(keywords_->currentItem()); });
    connect(keywords_, &QListWidget::itemActivated, this, &THelpWindow::OpenKeyword);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(label);
    layout->addWidget(search_);
    layout->addWidget(keywords_);
    return page;
}

void THelpWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_ || event->spontaneous()) return;
    FitOnScreen(*this);
    CentreOnScreen(*this);
    placed_ = true;
}

void THelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void THelpWindow::ShowContents() {
    tabs_->setCurrentIndex(0);
    topics_->setCurrentRow(0);
    OpenPage(QString::fromLatin1(TopicOfContext(help::Contents).Page));
}

void THelpWindow::ShowIndex() {
    tabs_->setCurrentIndex(1);
    search_->clear();
    FilterKeywords(QString());
    search_->setFocus(Qt::OtherFocusReason);
}

void THelpWindow::ShowContext(int context) {
    const THelpTopic& topic = TopicOfContext(context);
    tabs_->setCurrentIndex(0);
    for (int row = 0; row < topics_->count(); ++row)
        if (topics_->item(row)->data(Qt::UserRole).toString() == QLatin1String(topic.Page))
            topics_->setCurrentRow(row);
    OpenPage(QString::fromLatin1(topic.Page));
}

QString THelpWindow::CurrentPage() const {
    return browser_->source().fileName();
}

QString THelpWindow::CurrentAnchor() const {
    return browser_->source().fragment();
}

void THelpWindow::OpenPage(const QString& page) {
    browser_->setSource(PageUrl(page));
}

// The index follows the typed prefix: the first keyword that starts with it
// becomes the current one, as in a paper book's index.
void THelpWindow::FilterKeywords(const QString& prefix) {
    QStringList words;
    for (int row = 0; row < keywords_->count(); ++row)
        words << keywords_->item(row)->text();
    const int row = KeywordRow(words, prefix);
    if (row < 0) return;
    keywords_->setCurrentRow(row);
    keywords_->scrollToItem(keywords_->item(row), QAbstractItemView::PositionAtTop);
}

void THelpWindow::OpenKeyword(QListWidgetItem* item) {
    if (item != nullptr) OpenPage(item->data(Qt::UserRole).toString());
}

} // namespace kv
