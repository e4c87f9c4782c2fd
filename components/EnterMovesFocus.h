#pragma once

#include <initializer_list>

class QWidget;

// In the editors' boxes Enter moves the focus to the next control, as Tab does.
void enterMovesFocus(std::initializer_list<QWidget*> boxes);
