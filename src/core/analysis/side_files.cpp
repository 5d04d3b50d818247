#include "core/analysis/side_files.h"

#include "core/errors.h"
#include "core/file_io.h"
#include "core/host.h"

namespace velmar {

void writeSideFile(Host& host, const std::filesystem::path& folder, const std::filesystem::path& name,
                   std::string_view text) {
    if (folder.empty()) return;
    try {
        replaceFileBelow(folder, name, text);
    } catch (const FileError& e) {
        host.message(Box::Warning, std::string(e.what()) + ": the analysis goes on without it");
    }
}

}  // namespace velmar
