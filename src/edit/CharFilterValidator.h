#pragma once

#include <QValidator>

#include <functional>

class QLineEdit;

// Keeps only the allowed characters of what is typed or pasted, up to a
// maximum length; everything else is dropped rather than refused.
class CharFilterValidator : public QValidator
{
    Q_OBJECT

public:
    CharFilterValidator(const QString &allowed, int maxLength, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    // Texts that pass whole although they hold other characters (the "None" item of a tone list).
    void setExemption(std::function<bool(const QString &)> exempt) { m_exempt = std::move(exempt); }

    // Filters what is typed into and pasted into a line edit: keys with a
    // character that is not allowed are dropped before they reach it.
    void attach(QLineEdit *edit);

    // Digits and the point: frequencies.
    static CharFilterValidator *forFrequency(QObject *parent);
    // Digits, the point and the letters of DCS codes: tones.
    static CharFilterValidator *forTone(QObject *parent);
    // Blank, digits and letters A-Z, a-z: radio messages of up to 32 characters.
    static CharFilterValidator *forMessage(QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_allowed;
    int m_maxLength;
    std::function<bool(const QString &)> m_exempt;
};
