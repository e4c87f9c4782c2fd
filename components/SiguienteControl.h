#pragma once

class QWidget;

// Moves the focus to the control after this one in its window's tab order, once the key
// event being handled is over: Enter in an editor's box then advances like Tab.
void SiguienteControl(QWidget* control);
