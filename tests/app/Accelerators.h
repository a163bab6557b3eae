#pragma once
// The Alt+letter accelerators of a window, scope by scope: the menu bar's
// titles together with the window's buttons, labels and tabs, and each menu's
// items among themselves. Two visible items of one scope on one letter is a
// clash: the key reaches only one of them.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

#include <map>
#include <vector>

namespace kv::test {

class TAcceleratorScopes {
  public:
    explicit TAcceleratorScopes(QWidget& window) : window_(window) {
        CollectWindow();
        for (QMenuBar* bar : Mine<QMenuBar>())
            for (QAction* title : bar->actions())
                if (title->isVisible() && title->menu() != nullptr) CollectMenu(*title->menu());
    }

    // "Alt+F: &File | Relative &frequency..." for every clash.
    std::vector<QString> Clashes() const {
        std::vector<QString> clashes;
        for (const auto& [scope, keys] : scopes_)
            for (const auto& [key, owners] : keys)
                if (owners.size() > 1)
                    clashes.push_back(scope + QStringLiteral(" ") + key + QStringLiteral(": ") +
                                      owners.join(QStringLiteral(" | ")));
        return clashes;
    }

    // Every text with an accelerator, for checking that the scan saw them.
    QStringList Texts() const {
        QStringList texts;
        for (const auto& [scope, keys] : scopes_)
            for (const auto& [key, owners] : keys)
                texts += owners;
        return texts;
    }

  private:
    using TScope = std::map<QString, QStringList>;

    template <typename T> std::vector<T*> Mine() const {
        std::vector<T*> found;
        for (T* child : window_.findChildren<T*>())
            if (child->window() == &window_ && child->isVisibleTo(&window_)) found.push_back(child);
        return found;
    }

    static void Add(TScope& scope, const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) scope[key.toString()].append(text);
    }

    void CollectWindow() {
        TScope& scope = scopes_[window_.objectName()];
        for (QMenuBar* bar : Mine<QMenuBar>())
            for (QAction* title : bar->actions())
                if (title->isVisible()) Add(scope, title->text());
        for (QAbstractButton* button : Mine<QAbstractButton>())
            Add(scope, button->text());
        for (QLabel* label : Mine<QLabel>())
            if (label->buddy() != nullptr) Add(scope, label->text());
        for (QGroupBox* group : Mine<QGroupBox>())
            Add(scope, group->title());
        for (QTabBar* tabs : Mine<QTabBar>())
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i)) Add(scope, tabs->tabText(i));
    }

    void CollectMenu(QMenu& menu) {
        TScope& scope = scopes_[window_.objectName() + QStringLiteral("/") + menu.title()];
        for (QAction* item : menu.actions()) {
            if (!item->isVisible() || item->isSeparator()) continue;
            Add(scope, item->text());
            if (item->menu() != nullptr) CollectMenu(*item->menu());
        }
    }

    QWidget& window_;
    std::map<QString, TScope> scopes_;
};

} // namespace kv::test
