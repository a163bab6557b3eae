#include "BoundButton.h"

namespace kv {

TBoundButton::TBoundButton(QWidget* parent) : QToolButton(parent) {
    setCheckable(true);
    // Reached with Tab and pressed with Space; a click leaves the focus where it is.
    setFocusPolicy(Qt::TabFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
}

void TBoundButton::Show(const QString& caption, int tag, bool bold) {
    tag_ = tag;
    if (text() != caption) setText(caption);
    if (font().bold() != bold) {
        QFont face = font();
        face.setBold(bold);
        setFont(face);
    }
}

// A button of an exclusive group would take Tab away from its partner once it
// had the focus (one stop per group, as for radio buttons); both bounds of a
// row stay Tab stops.
void TBoundButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
}

QSize TBoundButton::sizeHint() const {
    const int height = fontMetrics().height() + 8;
    return {fontMetrics().horizontalAdvance(QStringLiteral("00")) + 14, height};
}

} // namespace kv
