#include "BoundButton.h"

namespace kv {

TBoundButton::TBoundButton(QWidget* parent) : QToolButton(parent) {
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
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

QSize TBoundButton::sizeHint() const {
    const int height = fontMetrics().height() + 8;
    return {fontMetrics().horizontalAdvance(QStringLiteral("00")) + 14, height};
}

} // namespace kv
