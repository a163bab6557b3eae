// The Synchronize dialog: the seed shown as 8 hex digits, the typing filter,
// and the inputs OK accepts or refuses with its exact message.
#include "ui/mainwindow/src/SyncForm.h"
#include "engine/RandomSource.h"
#include "engine/SeedText.h"
#include "ui/common/MessageSeam.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kv;

namespace {

struct SyncDialog : ::testing::Test {
    TRecordedMessages messages;
    TRandomSource random;

    // Opens the dialog, runs `act` on it while it is shown, and returns what
    // SynchronizeSeed reported.
    bool Run(const std::function<void(TSyncForm&)>& act) {
        QTimer::singleShot(0, [act] {
            auto* form = qobject_cast<TSyncForm*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            act(*form);
        });
        return SynchronizeSeed(nullptr, random);
    }
    static void Type(TSyncForm& form, const QString& keys) {
        QTest::keyClicks(form.SeedEdit(), keys);
    }
    static void ClickOK(TSyncForm& form) {
        form.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    }
    // Replaces the field's text and presses OK.
    bool Enter(const QString& text) {
        return Run([text](TSyncForm& form) {
            form.SeedEdit()->setText(text);
            ClickOK(form);
        });
    }
    void ExpectRefused(const QString& shownText) {
        ASSERT_EQ(messages.Shown().size(), 1u);
        EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Error);
        EXPECT_EQ(messages.Shown()[0].Text, shownText);
    }
};

} // namespace

TEST_F(SyncDialog, ShowsTheSeedAllSelected) {
    random.RandomSeed = static_cast<std::int32_t>(0xABF18B42u);
    Run([](TSyncForm& form) {
        EXPECT_EQ(form.windowTitle(), "Synchronize");
        EXPECT_EQ(form.SeedEdit()->text(), "ABF18B42");
        EXPECT_EQ(form.SeedEdit()->selectedText(), "ABF18B42");
        EXPECT_EQ(form.focusWidget(), form.SeedEdit());
        form.reject();
    });
}

TEST_F(SyncDialog, TypedLettersBecomeUpperCase) {
    Run([](TSyncForm& form) {
        Type(form, QStringLiteral("ab12"));
        EXPECT_EQ(form.SeedEdit()->text(), "AB12");
        form.reject();
    });
}

TEST_F(SyncDialog, OtherCharactersAreDiscarded) {
    Run([](TSyncForm& form) {
        Type(form, QStringLiteral("7"));
        Type(form, QStringLiteral("G-xz $."));
        EXPECT_EQ(form.SeedEdit()->text(), "7");
        QTest::keyClick(form.SeedEdit(), Qt::Key_Backspace);
        EXPECT_EQ(form.SeedEdit()->text(), "");
        form.reject();
    });
}

TEST_F(SyncDialog, ZeroSetsTheSeedAndShowsAgainAsEightZeros) {
    random.RandomSeed = 12345;
    EXPECT_TRUE(Run([](TSyncForm& form) {
        Type(form, QStringLiteral("0"));
        ClickOK(form);
    }));
    EXPECT_EQ(random.RandomSeed, 0);
    Run([](TSyncForm& form) {
        EXPECT_EQ(form.SeedEdit()->text(), "00000000");
        form.reject();
    });
    EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(SyncDialog, AllOnesIsMinusOne) {
    EXPECT_TRUE(Enter(QStringLiteral("FFFFFFFF")));
    EXPECT_EQ(random.RandomSeed, -1);
}

TEST_F(SyncDialog, LeadingZerosBeyondEightDigitsAreAccepted) {
    EXPECT_TRUE(Enter(QStringLiteral("0000000012")));
    EXPECT_EQ(random.RandomSeed, 0x12);
}

TEST_F(SyncDialog, PastedLowerCaseIsAccepted) {
    EXPECT_TRUE(Enter(QStringLiteral("abf18b42")));
    EXPECT_EQ(random.RandomSeed, static_cast<std::int32_t>(0xABF18B42u));
}

TEST_F(SyncDialog, NineSignificantDigitsAreRefused) {
    random.RandomSeed = 77;
    EXPECT_FALSE(Enter(QStringLiteral("100000000")));
    EXPECT_EQ(random.RandomSeed, 77);
    ExpectRefused(QStringLiteral("'$100000000' is not a valid integer value"));
}

TEST_F(SyncDialog, AnEmptyFieldIsRefused) {
    random.RandomSeed = 77;
    EXPECT_FALSE(Enter(QString()));
    EXPECT_EQ(random.RandomSeed, 77);
    ExpectRefused(QStringLiteral("'$' is not a valid integer value"));
}

TEST_F(SyncDialog, PastedOtherCharactersAreRefused) {
    random.RandomSeed = 77;
    EXPECT_FALSE(Enter(QStringLiteral("12G4")));
    EXPECT_EQ(random.RandomSeed, 77);
    ExpectRefused(QStringLiteral("'$12G4' is not a valid integer value"));
}

TEST_F(SyncDialog, PastedMinusSignIsRefused) {
    EXPECT_FALSE(Enter(QStringLiteral("-1")));
    ExpectRefused(QStringLiteral("'$-1' is not a valid integer value"));
}

TEST_F(SyncDialog, PastedSpacesAreRefused) {
    EXPECT_FALSE(Enter(QStringLiteral(" 12")));
    ExpectRefused(QStringLiteral("'$ 12' is not a valid integer value"));
}

TEST_F(SyncDialog, PasteThroughTheClipboardIsNotFiltered) {
    QApplication::clipboard()->setText(QStringLiteral("zz"));
    EXPECT_FALSE(Run([](TSyncForm& form) {
        form.SeedEdit()->selectAll();
        form.SeedEdit()->paste();
        EXPECT_EQ(form.SeedEdit()->text(), "zz");
        ClickOK(form);
    }));
    ExpectRefused(QStringLiteral("'$zz' is not a valid integer value"));
}

TEST_F(SyncDialog, CancelChangesNothing) {
    random.RandomSeed = 5;
    EXPECT_FALSE(Run([](TSyncForm& form) {
        Type(form, QStringLiteral("1"));
        form.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    }));
    EXPECT_EQ(random.RandomSeed, 5);
    EXPECT_TRUE(messages.Shown().empty());
}
