#include "DatabaseGuard.h"

#include "storage/paramsfile/ParamsFile.h"

#include <filesystem>

namespace kv {
namespace {

namespace fs = std::filesystem;

fs::path Resolved(const fs::path& path, std::error_code& error) {
    return fs::weakly_canonical(fs::absolute(path, error), error);
}

} // namespace

bool IsDatabaseFile(const std::string& path) {
    const fs::path database(kDatabaseFileName);
    std::error_code error;
    if (fs::exists(path, error) && fs::exists(database, error))
        return fs::equivalent(path, database, error) && !error;
    std::error_code first, second;
    const fs::path chosen = Resolved(path, first);
    const fs::path own = Resolved(database, second);
    return !first && !second && chosen == own;
}

} // namespace kv
