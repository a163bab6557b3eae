// The message-box seam: every box it shows takes its text as plain text, so
// that a set name holding markup is shown as the characters it is, is wide
// enough for its whole title, and opens over a shown window or mid-screen;
// and the box of several buttons answers with the one pressed.
#include "ui/common/MessageSeam.h"
#include "ui/common/WindowPlacement.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

using namespace kv;

namespace {

// A name as another user may have put it into a parameter file.
const QString kMarkupName =
    QStringLiteral("<h1><font color=red>Big</font></h1><img src=\"/etc/kv-test.png\">");

struct TSeenBox {
    bool Seen = false;
    Qt::TextFormat BoxFormat = Qt::AutoText;
    Qt::TextFormat LabelFormat = Qt::AutoText;
    QString LabelText;
    int Width = 0;
    int TitleWidth = 0;
};

// Looks at the box that the next call runs, then closes it.
void InspectNextBox(TSeenBox& seen) {
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.Seen = true;
        seen.BoxFormat = box->textFormat();
        if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            seen.LabelFormat = label->textFormat();
            seen.LabelText = label->text();
        }
        seen.Width = box->width();
        seen.TitleWidth = TitleFitWidth(*box, box->windowTitle());
        box->buttons().constFirst()->click();
    });
}

struct TSeamRow {
    const char* Name;
    std::function<void(const QString& text)> Run;
};

const TSeamRow kRows[] = {
    {"WarningBox",
     [](const QString& text) {
         TMessageSeam::Show(nullptr, TMessageKind::Warning, QStringLiteral("Warning"), text);
     }},
    {"ErrorBox",
     [](const QString& text) {
         TMessageSeam::Show(nullptr, TMessageKind::Error, QStringLiteral("Kestrovanhalme"), text);
     }},
    {"InformationBox",
     [](const QString& text) {
         TMessageSeam::Show(nullptr, TMessageKind::Information, QStringLiteral("Information"),
                            text);
     }},
    {"DeleteConfirmation",
     [](const QString& text) {
         TMessageSeam::Confirm(nullptr, QStringLiteral("Confirm"),
                               QStringLiteral("Delete '%1'?").arg(text));
     }},
};

void PrintTo(const TSeamRow& row, std::ostream* out) {
    *out << row.Name;
}

struct SeamBoxes : ::testing::TestWithParam<TSeamRow> {};

} // namespace

TEST_P(SeamBoxes, ShowSetNamesAsPlainText) {
    TSeenBox seen;
    InspectNextBox(seen);
    GetParam().Run(kMarkupName);
    ASSERT_TRUE(seen.Seen);
    EXPECT_EQ(seen.BoxFormat, Qt::PlainText);
    EXPECT_EQ(seen.LabelFormat, Qt::PlainText);
    EXPECT_TRUE(seen.LabelText.contains(kMarkupName)) << seen.LabelText.toStdString();
}

TEST_P(SeamBoxes, AreWideEnoughForTheirTitles) {
    TSeenBox seen;
    InspectNextBox(seen);
    GetParam().Run(QStringLiteral("Nothing to print!"));
    ASSERT_TRUE(seen.Seen);
    EXPECT_GE(seen.Width, seen.TitleWidth);
}

INSTANTIATE_TEST_SUITE_P(Seam, SeamBoxes, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(SeamBox, BuiltForAHiddenWindowOpensMidScreen) {
    QWidget hidden;
    const auto box =
        TMessageSeam::Build(&hidden, TMessageKind::Warning, QStringLiteral("Warning"),
                            QStringLiteral("ZUZIROR3.DLL not found."), QMessageBox::Ok);
    EXPECT_EQ(box->parentWidget(), nullptr);
}

TEST(SeamBox, BuiltForAShownWindowOpensOverIt) {
    QWidget shown;
    shown.show();
    const auto box = TMessageSeam::Build(&shown, TMessageKind::Warning, QStringLiteral("Warning"),
                                         QStringLiteral("Nothing to print!"), QMessageBox::Ok);
    EXPECT_EQ(box->parentWidget(), &shown);
}

TEST(SeamBox, RecordingKeepsTheTextAsGiven) {
    TRecordedMessages messages;
    TMessageSeam::Show(nullptr, TMessageKind::Warning, QStringLiteral("Warning"), kMarkupName);
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Text, kMarkupName);
}

TEST(SeamChoice, RecordingAnswersAsScriptedThenWithTheLastButton) {
    TRecordedMessages messages;
    const QStringList buttons{QStringLiteral("&Open"), QStringLiteral("Open &Folder"),
                              QStringLiteral("&Close")};
    TMessageSeam::SetNextChoices({1, 0});
    EXPECT_EQ(TMessageSeam::Choose(nullptr, TMessageKind::Information, "Print", "a", buttons), 1);
    EXPECT_EQ(TMessageSeam::Choose(nullptr, TMessageKind::Information, "Print", "b", buttons), 0);
    EXPECT_EQ(TMessageSeam::Choose(nullptr, TMessageKind::Information, "Print", "c", buttons), 2);
    ASSERT_EQ(messages.Shown().size(), 3u);
    EXPECT_EQ(messages.Shown()[2].Kind, TMessageKind::Information);
    EXPECT_EQ(messages.Shown()[2].Title, "Print");
    EXPECT_EQ(messages.Shown()[2].Text, "c");
}

TEST(SeamChoice, TheBoxHasTheButtonsInOrderAndEscapeIsTheLast) {
    QWidget parent;
    parent.show();
    int chosen = -2;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QStringList captions;
        for (QAbstractButton* button : box->buttons())
            captions << button->text();
        EXPECT_TRUE(captions.contains("Open &Folder"));
        EXPECT_EQ(box->escapeButton()->text(), "&Close");
        EXPECT_EQ(box->defaultButton()->text(), "&Open");
        for (QAbstractButton* button : box->buttons())
            if (button->text() == "Open &Folder") button->click();
    });
    chosen = TMessageSeam::Choose(&parent, TMessageKind::Information, "Print", "saved",
                                  {"&Open", "Open &Folder", "&Close"});
    EXPECT_EQ(chosen, 1);
}
