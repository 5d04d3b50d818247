// The state of the scheme editor that lives beside the scheme: the regime, the cursor
// and the code it carries, the line-drawing flags and the canvas options.
#pragma once

#include <cstdint>

#include "core/editor/bank_navigation.h"
#include "core/editor/cursor_motion.h"
#include "core/editor/regime.h"

namespace velmar::editor {

// How element names and labels are laid out around the blocks.
struct CaptionSettings {
    bool showNames = true;    // "Подсказки к элементам"
    bool showLabels = true;   // "Пояснение к элементам"
    bool namesBelow = true;   // "Подпись снизу" of the names group
    bool labelsBelow = true;  // "Подпись снизу" of the labels group
    int labelFontSize = 6;    // 5..10
};

struct EditorState {
    Regime regime = Regime::New;
    Cell cursor{kCursorMin, kCursorMin};
    std::uint8_t held = 0;  // the code the cursor carries; 0 erases when put down
    // Sampled at every cursor key.
    bool shift = false;
    bool numLock = false;
    bool scrollLock = false;
    int previousDirection = 0;  // the key code of the last cursor move
    bool captionsShown = false;
    bool autoArrows = true;     // "Автоматическое проставление стрелок"
    bool centreChosen = false;  // "Элемент в центре рабочей области "
    CaptionSettings captions;
    BankHighlight bank;  // the bank's highlight while the regime is "Bank"
};

}  // namespace velmar::editor
