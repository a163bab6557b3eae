// The About box: the version the program was built as, its licence, and no
// link to a page that does not exist.
#include "ui/mainwindow/src/AboutBox.h"
#include "QtPrinters.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace kv;

namespace {

struct AboutBox : ::testing::Test {
    TAboutBox box;
    AboutBox() {
        box.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    QString Text(const char* name) const {
        const auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
        return label != nullptr ? label->text() : QStringLiteral("(missing)");
    }
};

} // namespace

TEST_F(AboutBox, ShowsTheVersionTheBuildWasMadeAs) {
    EXPECT_EQ(Text("Version"), QStringLiteral("Version " KV_PROJECT_VERSION));
}

TEST_F(AboutBox, ShowsTheLicense) {
    EXPECT_EQ(Text("License"), "License: GPL-3.0-or-later");
}

TEST_F(AboutBox, LinksNowhere) {
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        EXPECT_FALSE(label->openExternalLinks()) << label->text().toStdString();
        EXPECT_FALSE(label->text().contains(QStringLiteral("href"))) << label->text().toStdString();
        EXPECT_FALSE(label->text().contains(QStringLiteral("://"))) << label->text().toStdString();
    }
}
