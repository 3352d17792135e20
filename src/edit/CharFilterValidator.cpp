#include "CharFilterValidator.h"

#include "settings/TEnMsg.h"

#include <QKeyEvent>
#include <QLineEdit>

CharFilterValidator::CharFilterValidator(const QString &allowed, int maxLength, QObject *parent)
    : QValidator(parent), m_allowed(allowed), m_maxLength(maxLength)
{}

QValidator::State CharFilterValidator::validate(QString &input, int &pos) const
{
    if (m_exempt && m_exempt(input))
        return Acceptable;
    QString kept;
    int newPos = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (!m_allowed.contains(input[i]))
            continue;
        kept += input[i];
        if (i < pos)
            ++newPos;
    }
    if (m_maxLength > 0 && kept.size() > m_maxLength)
        kept.truncate(m_maxLength);
    input = kept;
    pos = std::min(newPos, int(kept.size()));
    return Acceptable;
}

void CharFilterValidator::attach(QLineEdit *edit)
{
    edit->setValidator(this);
    edit->installEventFilter(this);
}

bool CharFilterValidator::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        for (const QChar c : text) {
            if (c.isPrint() && !m_allowed.contains(c))
                return true;
        }
    }
    return QValidator::eventFilter(watched, event);
}

CharFilterValidator *CharFilterValidator::forFrequency(QObject *parent)
{
    return new CharFilterValidator(QStringLiteral("0123456789."), 0, parent);
}

CharFilterValidator *CharFilterValidator::forTone(QObject *parent)
{
    return new CharFilterValidator(QStringLiteral("0123456789.DINdin"), 0, parent);
}

CharFilterValidator *CharFilterValidator::forMessage(QObject *parent)
{
    return new CharFilterValidator(
        QStringLiteral(" 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"),
        TEnMsg::MaxLength, parent);
}
