// The Copy parameters dialog's geometry: two lists of equal width with the
// arrow buttons centred between them, both following every resize.
#include "CopyParamsDlg.h"

#include "SetListBox.h"
#include "storage/settings/SettingsStore.h"

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

namespace kv {
namespace {

constexpr int kMargin = 8; // srcList_'s left margin, and dstList_'s right margin
constexpr int kGap = 6;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

} // namespace

// A stored size below the minimum is raised to it.
void TCopyParamsDlg::ApplyStoredSize() {
    setMinimumSize(kMinWidth, kMinHeight);
    resize(std::max(store_.ReadInt(setting::CopyFormWidth), kMinWidth),
           std::max(store_.ReadInt(setting::CopyFormHeight), kMinHeight));
    Arrange();
}

void TCopyParamsDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Arrange();
}

// Each list is (client width - 3 x the arrow width) / 2 wide; dstList_'s right
// margin equals srcList_'s left one; the arrows are centred. The size is stored.
void TCopyParamsDlg::Arrange() {
    const int w = width();
    const int h = height();
    const int line = fontMetrics().height();
    const int statusHeight = statusBar_->sizeHint().height();
    statusBar_->setGeometry(0, h - statusHeight, w, statusHeight);

    promptLabel_->setGeometry(kMargin, kMargin, w - 2 * kMargin, 2 * line + 4);
    // The list captions may wrap onto a second line, ending just above their lists.
    const int labelTop = promptLabel_->geometry().bottom() + kGap;
    const int labelHeight = 2 * line + 2;
    const int listTop = labelTop + labelHeight + 2;
    const int buttonTop = h - statusHeight - kMargin - kButtonHeight;
    const int listHeight = std::max(buttonTop - kMargin - listTop, 0);
    const int arrowWidth = includeButton_->width();
    const int listWidth = (w - 3 * arrowWidth) / 2;
    const int dstLeft = w - kMargin - listWidth;

    srcList_->setGeometry(kMargin, listTop, listWidth, listHeight);
    dstList_->setGeometry(dstLeft, listTop, listWidth, listHeight);
    srcLabel_->setGeometry(kMargin, labelTop, listWidth, labelHeight);
    dstLabel_->setGeometry(dstLeft, labelTop, listWidth, labelHeight);
    const int arrowLeft = (w - arrowWidth) / 2;
    int arrowTop = listTop + kGap;
    for (QPushButton* arrow :
         {includeButton_, includeAllButton_, excludeButton_, excludeAllButton_}) {
        arrow->move(arrowLeft, arrowTop);
        arrowTop += arrow->height() + kGap;
    }
    int left = w - kMargin - kButtonWidth;
    for (QPushButton* button : {helpButton_, cancelButton_, nextButton_}) {
        button->setGeometry(left, buttonTop, kButtonWidth, kButtonHeight);
        left -= kButtonWidth + kGap;
    }
    store_.WriteInt(setting::CopyFormWidth, w);
    store_.WriteInt(setting::CopyFormHeight, h);
}

} // namespace kv
