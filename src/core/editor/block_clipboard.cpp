#include "core/editor/block_clipboard.h"

#include <system_error>

#include "core/model/scheme_file.h"

namespace velmar::editor {

namespace fs = std::filesystem;

fs::path clipboardFile() {
    std::error_code ec;
    return fs::temp_directory_path(ec) / "~VelTmpC.tmp";
}

bool clipboardHolds() {
    std::error_code ec;
    return fs::is_regular_file(clipboardFile(), ec);
}

bool copyToClipboard(const Scheme& scheme) {
    const Mark& m = scheme.mark;
    return !m.empty() && WriteBlock(scheme, m.left, m.top, m.right, m.bottom, clipboardFile());
}

bool pasteFromClipboard(Scheme& scheme, Cell at) {
    if (!clipboardHolds()) return false;
    ReadBlock(scheme, at.col, at.row, clipboardFile());
    return true;
}

}  // namespace velmar::editor
