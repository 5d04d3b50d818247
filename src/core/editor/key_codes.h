// The editor's key codes: what the hidden key menu of the main window turns keys into
// (the scan codes of a text-mode keyboard), shared by every regime processor and by
// the key queue that long computations poll.
#pragma once

namespace velmar::editor {

inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEsc = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyHome = 71;
inline constexpr int kKeyUp = 72;
inline constexpr int kKeyPgUp = 73;  // also Ctrl+Up
inline constexpr int kKeyLeft = 75;
inline constexpr int kKeyRight = 77;
inline constexpr int kKeyEnd = 79;
inline constexpr int kKeyDown = 80;
inline constexpr int kKeyPgDn = 81;  // also Ctrl+Down
inline constexpr int kKeyCtrlLeft = 115;
inline constexpr int kKeyCtrlRight = 116;
// The digit keys move the Run-regime cursor one block width (three cells).
inline constexpr int kKeyDigit2 = 50;
inline constexpr int kKeyDigit4 = 52;
inline constexpr int kKeyDigit6 = 54;
inline constexpr int kKeyDigit8 = 56;

// Commands handed to the Edit command processor.
inline constexpr int kCmdMarkBegin = 23;
inline constexpr int kCmdMarkEnd = 24;
inline constexpr int kCmdCopyBlock = 25;
inline constexpr int kCmdMoveBlock = 26;
inline constexpr int kCmdDeleteBlock = 27;
inline constexpr int kCmdZoom = 29;
inline constexpr int kCmdClearScreen = 32;

// Commands handed to the Run-regime processor.
inline constexpr int kRunSolve = 62;
inline constexpr int kRunChangeParameters = 63;

}  // namespace velmar::editor
