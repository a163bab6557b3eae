#pragma once
// A tab control with one shared page: a row of tabs over a framed page that
// shows whichever item the selected tab stands for.

#include <QWidget>

class QTabBar;

namespace kv {

class TTabControl : public QWidget {
    Q_OBJECT
  public:
    TTabControl(QWidget* page, QWidget* parent = nullptr);

    QTabBar* TabBar() const { return bar_; }
    QWidget* Page() const { return page_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect PaneRect() const;

    QTabBar* bar_;
    QWidget* page_;
};

} // namespace kv
