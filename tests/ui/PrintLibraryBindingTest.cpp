// The two warnings at start-up when the print library cannot be used, and
// printing disabled after either.
#include "PrintLibraryBinding.h"
#include "MessageSeam.h"

#include <QAction>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;

namespace {
const QString kNotFound = QStringLiteral(
    "ZUZIROR3.DLL not found.\r\rThe routines in this program for printing hands require the file "
    "ZUZIROR3.DLL.  The file must be located (1) in the same directory as the program file, (2) in "
    "the current directory, (3) in the Windows system directory, (4) in the Windows directory, or "
    "(5) in a directory listed in the PATH environmental variable.");
const QString kUnusable = QStringLiteral(
    "There was a problem interfacing with ZUZIROR3.DLL,  which the hand-printing routines in this "
    "program require.  Printing will be disabled.");
} // namespace

TEST(PrintLibraryBinding, MissingFileWarnsAndDisablesPrinting) {
    TRecordedMessages messages;
    QTemporaryDir dir;
    TPrintLibrary library(dir.filePath(TPrintLibrary::FileName()));
    QAction print(QStringLiteral("Generate Hands to &Printer"));
    EXPECT_FALSE(BindPrintLibrary(library, nullptr, &print));
    EXPECT_FALSE(print.isEnabled());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text, kNotFound);
}

TEST(PrintLibraryBinding, MissingEntryPointWarnsUnloadsAndDisablesPrinting) {
    TRecordedMessages messages;
    TPrintLibrary library(QStringLiteral(KV_RECORD_NOCLEAR_LIB));
    QAction print(QStringLiteral("Generate Hands to &Printer"));
    EXPECT_FALSE(BindPrintLibrary(library, nullptr, &print));
    EXPECT_FALSE(print.isEnabled());
    EXPECT_FALSE(library.IsLoaded());
    ASSERT_EQ(messages.Shown().size(), 1u);
    EXPECT_EQ(messages.Shown()[0].Kind, TMessageKind::Warning);
    EXPECT_EQ(messages.Shown()[0].Title, "Warning");
    EXPECT_EQ(messages.Shown()[0].Text, kUnusable);
}

TEST(PrintLibraryBinding, UsableLibraryLeavesPrintingOnWithoutAWord) {
    TRecordedMessages messages;
    TPrintLibrary library(QStringLiteral(KV_REAL_PRINT_LIB));
    QAction print(QStringLiteral("Generate Hands to &Printer"));
    EXPECT_TRUE(BindPrintLibrary(library, nullptr, &print));
    EXPECT_TRUE(print.isEnabled());
    EXPECT_TRUE(messages.Shown().empty());
}
