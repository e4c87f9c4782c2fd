#pragma once

#include <QColor>

#include <initializer_list>

class QWidget;
struct ColourScheme;

// The colour scheme as colours on screen, and the ways a window paints its controls with it.
class SchemeColours
{
public:
    // Throws AppError when a colour text is not a colour.
    explicit SchemeColours(const ColourScheme& scheme);

    void background(std::initializer_list<QWidget*> widgets) const;
    void title(std::initializer_list<QWidget*> widgets) const;
    void button(std::initializer_list<QWidget*> widgets) const;
    void message(std::initializer_list<QWidget*> widgets) const;
    void hint(std::initializer_list<QWidget*> widgets) const;
    void edit(std::initializer_list<QWidget*> widgets) const;

private:
    QColor m_background;
    QColor m_title;
    QColor m_button;
    QColor m_message;
    QColor m_hint;
    QColor m_edit;
};
