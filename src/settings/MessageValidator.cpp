#include "MessageValidator.h"

#include "TEnMsg.h"

bool MessageValidator::isAllowed(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') ||
           (u >= u'a' && u <= u'z');
}

QValidator::State MessageValidator::validate(QString &input, int &pos) const
{
    QString kept;
    int newPos = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (!isAllowed(input[i]))
            continue;
        kept += input[i];
        if (i < pos)
            ++newPos;
    }
    if (kept.size() > TEnMsg::MaxLength) {
        kept.truncate(TEnMsg::MaxLength);
        newPos = std::min(newPos, int(kept.size()));
    }
    input = kept;
    pos = newPos;
    return Acceptable;
}
