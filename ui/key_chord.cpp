#include "ui/key_chord.h"

#include <QKeyEvent>
#include <array>
#include <utility>

namespace wv {

namespace {

constexpr std::array<std::pair<int, KeyboardKey>, 12> kQtKeys = {{
    {Qt::Key_Tab, KeyboardKey::Tab},
    {Qt::Key_Backtab, KeyboardKey::Tab},
    {Qt::Key_Return, KeyboardKey::Return},
    {Qt::Key_Enter, KeyboardKey::Return},
    {Qt::Key_Space, KeyboardKey::Space},
    {Qt::Key_Left, KeyboardKey::Left},
    {Qt::Key_Right, KeyboardKey::Right},
    {Qt::Key_Down, KeyboardKey::Down},
    {Qt::Key_PageUp, KeyboardKey::PageUp},
    {Qt::Key_PageDown, KeyboardKey::PageDown},
    {Qt::Key_F4, KeyboardKey::F4},
    {Qt::Key_Comma, KeyboardKey::Comma},
}};

}  // namespace

KeyChord ChordOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  KeyChord chord{KeyboardKey::Other, modifiers.testFlag(Qt::ControlModifier),
                 modifiers.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab,
                 modifiers.testFlag(Qt::AltModifier)};
  // The meta key counts as a modifier of its own: no chord of the map has it.
  if (modifiers.testFlag(Qt::MetaModifier)) return chord;
  for (const auto& [qtKey, key] : kQtKeys) {
    if (qtKey == event.key()) chord.key = key;
  }
  return chord;
}

QList<QKeySequence> SequencesOf(const KeyChord& chord) {
  Qt::KeyboardModifiers modifiers;
  if (chord.control) modifiers |= Qt::ControlModifier;
  if (chord.shift) modifiers |= Qt::ShiftModifier;
  if (chord.alt) modifiers |= Qt::AltModifier;
  QList<QKeySequence> sequences;
  for (const auto& [qtKey, key] : kQtKeys) {
    // The keypad's Enter is the Return key's, which the focused control takes.
    if (key != chord.key || qtKey == Qt::Key_Enter) continue;
    // Shift+Tab comes as Backtab, and Tab alone has no shift.
    if (qtKey == Qt::Key_Backtab && !chord.shift) continue;
    sequences.push_back(QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(qtKey))));
  }
  return sequences;
}

}  // namespace wv
