#pragma once

#include <QValidator>

// Turns every letter typed into a box into a capital.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};
