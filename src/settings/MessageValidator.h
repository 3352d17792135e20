#pragma once

#include <QValidator>

// Keeps only the characters a radio message may hold (blank, digits, letters
// A-Z and a-z), up to 32 of them; typed and pasted text alike.
class MessageValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override;
    static bool isAllowed(QChar c);
};
