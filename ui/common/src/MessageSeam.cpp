#include "ui/common/MessageSeam.h"

#include "ui/common/WindowPlacement.h"

#include <QApplication>
#include <QPushButton>

#include <algorithm>

namespace kv {
namespace {

struct TSeamState {
    bool Recording = false;
    std::vector<TShownMessage> Shown;
    std::deque<bool> Answers;
    std::deque<int> Choices;
    int Beeps = 0;
};

TSeamState& State() {
    static TSeamState state;
    return state;
}

QMessageBox::Icon IconOf(TMessageKind kind) {
    switch (kind) {
    case TMessageKind::Warning:
        return QMessageBox::Warning;
    case TMessageKind::Error:
        return QMessageBox::Critical;
    case TMessageKind::Confirmation:
        return QMessageBox::Question;
    case TMessageKind::Information:
        break;
    }
    return QMessageBox::Information;
}

// A parent whose window is hidden would place the box over where that window
// is not; without one, the box opens in the middle of the screen.
QWidget* ShownParent(QWidget* parent) {
    return parent != nullptr && parent->window()->isVisible() ? parent : nullptr;
}

} // namespace

std::unique_ptr<QMessageBox> TMessageSeam::Build(QWidget* parent, TMessageKind kind,
                                                 const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons) {
    auto box =
        std::make_unique<QMessageBox>(IconOf(kind), title, QString(), buttons, ShownParent(parent));
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    FitTitle(*box);
    return box;
}

void TMessageSeam::Show(QWidget* parent, TMessageKind kind, const QString& title,
                        const QString& text) {
    if (State().Recording) {
        State().Shown.push_back({kind, title, text});
        return;
    }
    Build(parent, kind, title, text, QMessageBox::Ok)->exec();
}

bool TMessageSeam::Confirm(QWidget* parent, const QString& title, const QString& text) {
    if (State().Recording) {
        State().Shown.push_back({TMessageKind::Confirmation, title, text});
        if (State().Answers.empty()) return true;
        const bool yes = State().Answers.front();
        State().Answers.pop_front();
        return yes;
    }
    return Build(parent, TMessageKind::Confirmation, title, text,
                 QMessageBox::Yes | QMessageBox::No)
               ->exec() == QMessageBox::Yes;
}

int TMessageSeam::Choose(QWidget* parent, TMessageKind kind, const QString& title,
                         const QString& text, const QStringList& buttons) {
    const int last = static_cast<int>(buttons.size()) - 1;
    if (State().Recording) {
        State().Shown.push_back({kind, title, text});
        if (State().Choices.empty()) return last;
        const int choice = State().Choices.front();
        State().Choices.pop_front();
        return choice;
    }
    std::unique_ptr<QMessageBox> box = Build(parent, kind, title, text, QMessageBox::NoButton);
    std::vector<QAbstractButton*> pressed;
    for (int i = 0; i <= last; ++i)
        pressed.push_back(box->addButton(buttons[i], i == last ? QMessageBox::RejectRole
                                                               : QMessageBox::AcceptRole));
    if (!pressed.empty()) {
        box->setDefaultButton(qobject_cast<QPushButton*>(pressed.front()));
        box->setEscapeButton(pressed.back());
    }
    box->exec();
    const auto chosen = std::find(pressed.begin(), pressed.end(), box->clickedButton());
    return chosen == pressed.end() ? last : static_cast<int>(chosen - pressed.begin());
}

void TMessageSeam::Beep() {
    ++State().Beeps;
    if (!State().Recording) QApplication::beep();
}

void TMessageSeam::StartRecording() {
    State() = TSeamState{};
    State().Recording = true;
}

void TMessageSeam::StopRecording() {
    State().Recording = false;
}
bool TMessageSeam::Recording() {
    return State().Recording;
}
const std::vector<TShownMessage>& TMessageSeam::Shown() {
    return State().Shown;
}
void TMessageSeam::ClearShown() {
    State().Shown.clear();
}
void TMessageSeam::SetNextAnswers(std::deque<bool> yesAnswers) {
    State().Answers = std::move(yesAnswers);
}
void TMessageSeam::SetNextChoices(std::deque<int> choices) {
    State().Choices = std::move(choices);
}
int TMessageSeam::Beeps() {
    return State().Beeps;
}

} // namespace kv
