// TFileReplacement and ReplaceFile, alike on every platform: the temporary
// file (TempFiles.h) does the system's part.
#include "storage/paramsfile/FileReplacement.h"

#include "LinkTarget.h"
#include "TempFiles.h"
#include "storage/paramsfile/NativeFile.h"
#include "storage/paramsfile/RecordFile.h"

#include <optional>

namespace kv {
namespace {

// The file a replacement must take the place of: the target of a symbolic
// link, else the name itself.
std::filesystem::path ReplacedPath(const std::string& fileName) {
    try {
        return detail::LinkTarget(detail::PathFromUtf8(fileName));
    } catch (const std::system_error& e) {
        detail::ThrowFileError(fileName, e);
    }
}

std::filesystem::path FolderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

} // namespace

struct TFileReplacement::TImpl {
    std::string FileName;
    std::filesystem::path Replaced;
    std::optional<detail::TTempFile> Temp;
};

TFileReplacement::TFileReplacement(const std::string& fileName) : impl_(std::make_unique<TImpl>()) {
    impl_->FileName = fileName;
    impl_->Replaced = ReplacedPath(fileName);
    if (detail::PathExists(impl_->Replaced)) detail::CheckWritable(fileName);
    try {
        const std::filesystem::path folder = FolderOf(impl_->Replaced);
        detail::RemoveStaleTempFiles(folder);
        impl_->Temp.emplace(folder);
        impl_->Temp->TakeAccessOf(impl_->Replaced);
    } catch (const std::system_error& e) {
        detail::ThrowFileError(fileName, e);
    }
}

TFileReplacement::~TFileReplacement() = default;

void TFileReplacement::Write(std::span<const std::uint8_t> bytes) {
    try {
        impl_->Temp->Write(bytes);
    } catch (const std::system_error& e) {
        detail::ThrowFileError(impl_->FileName, e);
    }
}

void TFileReplacement::Write(std::string_view text) {
    Write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void TFileReplacement::Commit() {
    try {
        impl_->Temp->Commit(impl_->Replaced);
    } catch (const std::system_error& e) {
        detail::ThrowFileError(impl_->FileName, e);
    }
}

} // namespace kv

namespace kv::detail {

void ReplaceFile(const std::string& fileName, std::span<const std::uint8_t> bytes) {
    TFileReplacement replacement(fileName);
    replacement.Write(bytes);
    replacement.Commit();
}

} // namespace kv::detail
