#include "core/analysis/side_files.h"

#include <system_error>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/host.h"

namespace velmar {

void WriteSideFile(Host& host, const std::filesystem::path& folder, const std::filesystem::path& name,
                   std::string_view text) {
    if (folder.empty()) return;
    const std::filesystem::path file = folder / name;
    try {
        std::error_code ec;
        std::filesystem::create_directories(file.parent_path(), ec);
        if (ec)
            throw FileError(
                describeFile(file.parent_path(), "Cannot make the folder (" + ec.message() + ")"));
        replaceFile(file, text, LinkPolicy::ReplaceLink);
    } catch (const FileError& e) {
        host.message(Box::Warning, std::string(e.what()) + ": the analysis goes on without it");
    }
}

}  // namespace velmar
