#pragma once
// A print dialog over the recording print library, with its message boxes
// recorded instead of shown.

#include "PrintRunFixture.h"
#include "ui/common/MessageSeam.h"
#include "ui/print/PrintForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace kv::test {

struct PrintFormFixture : PrintRunFixture {
    TRecordedMessages messages;
    TPrinterChoice printer;
    std::vector<QString> mainStatus;
    std::unique_ptr<TPrintForm> form;

    void SetUp() override {
        PrintRunFixture::SetUp();
        OpenForm();
    }

    // Makes and shows a new dialog, as the main window does for each use.
    void OpenForm() {
        form.reset();
        form = std::make_unique<TPrintForm>(
            TPrintFormContext{{engine, types, host, library, *store, {tenSymbol, colour}},
                              &printer,
                              [this](const QString& s) { mainStatus.push_back(s); }});
        form->show();
    }

    template <typename T = QWidget> T* Find(const char* name) const {
        T* child = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QSpinBox* Box(int n) const {
        return Find<QSpinBox>(QStringLiteral("UpDown%1").arg(n).toLatin1());
    }
    QLineEdit* Edit(int n) const {
        return Find<QLineEdit>(QStringLiteral("Edit%1").arg(n).toLatin1());
    }

    // Sets the seven counts in the order hands, South, North, both, West, East, All.
    void SetCounts(int deals, int south, int north, int both, int west, int east, int all) {
        const int values[] = {south, north, both, deals, west, east, all};
        for (int n = 1; n <= 7; ++n)
            Box(n)->setValue(values[n - 1]);
    }
    void PressPrint() { Find<QPushButton>("PrintBtn")->click(); }
};

} // namespace kv::test
