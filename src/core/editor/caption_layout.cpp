#include "core/editor/caption_layout.h"

#include "core/model/catalogue.h"

#include "core/editor/cursor_motion.h"

namespace velmar::editor {

int textLength(const std::string& text) {
    int n = 0;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80) ++n;
    return n;
}

int captionX(int col, int length) { return col * kCellWidth + (length >= 15 ? 28 : 30) - 4 * (length / 2); }

std::vector<CanvasCaption> blockCaptions(const Scheme& scheme, const CaptionSettings& s, NameSet names,
                                         int canvasWidth, int canvasHeight) {
    std::vector<CanvasCaption> out;
    const bool sameSide = s.namesBelow == s.labelsBelow;
    for (const auto& e : scheme.ElementList()) {
        if (e->info().isNode()) continue;
        const int x = e->Col * kCellWidth, y = e->Row * kCellHeight;
        if (x >= canvasWidth - 52 || y >= canvasHeight - 44) continue;
        out.push_back({CanvasCaption::Kind::Number, x + 1, y + 1, std::to_string(e->Number)});
        const std::string& label = scheme.Labels[e->Number];
        const bool labelShown = s.showLabels && !label.empty();
        if (labelShown) {
            const std::string text = label + " ";
            out.push_back({CanvasCaption::Kind::Label, captionX(e->Col, textLength(text)),
                           y + captionOffset(s.labelsBelow), text});
        }
        if (s.showNames && !(sameSide && labelShown)) {
            const std::string& name = blockName(e->Code, names);
            if (!name.empty())
                out.push_back({CanvasCaption::Kind::Name, captionX(e->Col, textLength(name)),
                               y + captionOffset(s.namesBelow), name});
        }
    }
    return out;
}

}  // namespace velmar::editor
