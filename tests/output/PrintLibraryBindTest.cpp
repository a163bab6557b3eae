// Binding the print library by file name and entry-point names.
#include "output/print/PrintLibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;

TEST(PrintLibraryBind, MissingFileIsFileMissing) {
    QTemporaryDir dir;
    TPrintLibrary library(dir.filePath(TPrintLibrary::FileName()));
    EXPECT_EQ(library.Bind(), TBindResult::FileMissing);
    EXPECT_FALSE(library.IsBound());
    EXPECT_FALSE(library.ErrorString().isEmpty());
    EXPECT_EQ(library.AddDeal("[Deal \"N:...\"]"), -1) << "an unbound library is never called";
    EXPECT_EQ(library.PrintMulti({}), -1);
    EXPECT_EQ(library.ClearDeals(), -1);
    EXPECT_FALSE(library.SetOutput({}));
}

TEST(PrintLibraryBind, MissingEntryPointUnloadsTheLibrary) {
    TPrintLibrary library(QStringLiteral(KV_RECORD_NOCLEAR_LIB));
    EXPECT_EQ(library.Bind(), TBindResult::EntryPointMissing);
    EXPECT_FALSE(library.IsBound());
    EXPECT_FALSE(library.IsLoaded());
    EXPECT_EQ(library.ClearDeals(), -1);
}

TEST(PrintLibraryBind, RecordingLibraryBindsWithItsOptionalEntryPoint) {
    TPrintLibrary library(QStringLiteral(KV_RECORD_LIB));
    ASSERT_EQ(library.Bind(), TBindResult::Bound);
    EXPECT_TRUE(library.SetOutput({}));
    EXPECT_TRUE(library.LastOutputFile().isEmpty()) << "it has no LastOutputFile";
}

TEST(PrintLibraryBind, RealLibraryBindsUnderThePlatformName) {
    const QString path = QStringLiteral(KV_REAL_PRINT_LIB);
#if defined(Q_OS_WIN)
    EXPECT_TRUE(path.endsWith("/ZUZIROR3.DLL"));
#else
    EXPECT_TRUE(path.endsWith("/" + TPrintLibrary::FileName())) << path.toStdString();
#endif
    TPrintLibrary library(path);
    EXPECT_EQ(library.Bind(), TBindResult::Bound) << library.ErrorString().toStdString();
}

TEST(PrintLibraryBind, ProgramLooksBesideItselfFirst) {
    QTemporaryDir dir;
    EXPECT_EQ(TPrintLibrary::Locate(dir.path()), TPrintLibrary::FileName())
        << "not beside the program: the system's search";
    const QString beside = dir.filePath(TPrintLibrary::FileName());
    ASSERT_TRUE(QFile::copy(QStringLiteral(KV_RECORD_LIB), beside));
    EXPECT_EQ(TPrintLibrary::Locate(dir.path()), beside);
    TPrintLibrary library(TPrintLibrary::Locate(dir.path()));
    EXPECT_EQ(library.Bind(), TBindResult::Bound);
}

// An installed program keeps the library in its own library folder; one
// beside the program still comes first.
TEST(PrintLibraryBind, InstalledProgramFindsItsLibraryFolder) {
    QTemporaryDir root;
    const QDir bin(root.filePath(QStringLiteral("usr/bin")));
    const QString installed = QDir::cleanPath(
        bin.filePath(TPrintLibrary::InstalledFolder() + '/' + TPrintLibrary::FileName()));
    ASSERT_TRUE(QDir().mkpath(bin.path()) && QDir().mkpath(QFileInfo(installed).path()));
    EXPECT_EQ(TPrintLibrary::Locate(bin.path()), TPrintLibrary::FileName())
        << "nothing installed yet";
    ASSERT_TRUE(QFile::copy(QStringLiteral(KV_RECORD_LIB), installed));
    EXPECT_EQ(TPrintLibrary::Locate(bin.path()), installed);
    EXPECT_TRUE(installed.startsWith(root.path() + QStringLiteral("/usr/lib")));
    const QString beside = bin.filePath(TPrintLibrary::FileName());
    ASSERT_TRUE(QFile::copy(QStringLiteral(KV_RECORD_LIB), beside));
    EXPECT_EQ(TPrintLibrary::Locate(bin.path()), beside);
}

TEST(PrintLibraryBind, RealLibraryIsBuiltBesideTheProgram) {
    EXPECT_EQ(QFileInfo(QStringLiteral(KV_REAL_PRINT_LIB)).absolutePath(),
              QFileInfo(QStringLiteral(KV_PROGRAM_DIR)).absoluteFilePath());
    EXPECT_EQ(TPrintLibrary::Locate(QStringLiteral(KV_PROGRAM_DIR)),
              QDir(QStringLiteral(KV_PROGRAM_DIR)).filePath(TPrintLibrary::FileName()));
}
