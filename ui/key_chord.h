#pragma once

#include <QKeySequence>
#include <QList>

#include "core/key_map.h"

class QKeyEvent;

namespace wv {

// A key press as the core's key map names it. Enter on the keypad is
// Return, and Backtab is Shift+Tab.
KeyChord ChordOf(const QKeyEvent& event);

// The sequences a window-wide chord is registered as: Qt's shortcuts match
// the comma's key across keyboard layouts, as a key press does not.
QList<QKeySequence> SequencesOf(const KeyChord& chord);

}  // namespace wv
