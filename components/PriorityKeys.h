#pragma once

class QKeyEvent;

// What a key does in a priority box: Enter (a full stop counts as one), a key the box
// takes (digits, Backspace, keys that type nothing, Esc), or one it swallows.
enum class PriorityKey { Enter, Take, Swallow };

PriorityKey priorityKey(const QKeyEvent& key);
