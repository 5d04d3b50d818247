// The state of the scheme editor that lives beside the scheme: the regime, the cursor
// and the code it carries, the line-drawing flags and the canvas options.
#pragma once

#include <cstdint>
#include <string>

#include "core/editor/cursor_motion.h"

namespace velmar::editor {

// The regime names, compared as text throughout the window.
inline constexpr const char* kRegimeNew = "New";  // until the window is first shown
inline constexpr const char* kRegimeEdit = "Edit";
inline constexpr const char* kRegimeBank = "Bank";
inline constexpr const char* kRegimeRun = "Run";
inline constexpr const char* kRegimeAdvRed = "AdvRed";  // shown as "Editor"
inline constexpr const char* kRegimeFile = "File";
inline constexpr const char* kRegimeToEdit = "ToEdit";

// The regime as the status line shows it.
std::string regimeCaption(const std::string& regime);

// How element names and labels are laid out around the blocks.
struct CaptionSettings {
    bool showNames = true;    // "Подсказки к элементам"
    bool showLabels = true;   // "Пояснение к элементам"
    bool namesBelow = true;   // "Подпись снизу" of the names group
    bool labelsBelow = true;  // "Подпись снизу" of the labels group
    int labelFontSize = 6;    // 5..10
};

struct EditorState {
    std::string Regime = kRegimeNew;
    CursorCell cursor{kCursorMin, kCursorMin};
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
};

}  // namespace velmar::editor
