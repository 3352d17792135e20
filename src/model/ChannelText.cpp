#include "ChannelText.h"

#include "app/Program.h"
#include "app/TALL.h"

#include <cmath>

QString FormatFrequency(double mhz)
{
    return QString::number(mhz, 'f', 5);
}

bool ParseDecimal(const QString &text, double *value)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

double SnapFrequency(double mhz)
{
    const qint64 n = std::llround(mhz * 100000.0);
    const QString digits = QString::number(n).rightJustified(8, u'0');
    const bool wholeKhz = digits.size() >= 8 && digits[6] == u'0' && digits[7] == u'0';
    const qint64 r = n % (wholeKhz ? 500 : 625);
    if (r == 0)
        return mhz;
    return double(n - r) / 100000.0;
}

QString NormalizeTone(const QString &text)
{
    if (text.isEmpty())
        return text;
    const QChar first = text.front();
    if (first >= u'0' && first <= u'9') {
        double v = 0.0;
        if (!ParseDecimal(text, &v))
            return QStringLiteral("290.0");
        v = std::clamp(v, 30.0, 290.0);
        return QString::number(v, 'f', 1);
    }
    if (text.size() == 5 && first == u'D') {
        const QChar polarity = text[4];
        const bool polarityOk =
            polarity == u'N' || polarity == u'I' || polarity == u'n' || polarity == u'i';
        bool octal = true;
        for (int i = 1; i <= 3; ++i)
            octal = octal && text[i] >= u'0' && text[i] <= u'7';
        if (polarityOk && octal)
            return text;
    }
    return QStringLiteral("D777N");
}

QList<FrequencyWarning> LimitFrequency(double *mhz)
{
    const TALL &all = All();
    QList<FrequencyWarning> warnings;
    if (*mhz > all.ModelMaxFrequency) {
        *mhz = all.BandHigh;
        warnings.append(FrequencyWarning::ErrRange);
    } else if (*mhz < all.ModelMinFrequency) {
        *mhz = all.BandLow;
        warnings.append(FrequencyWarning::ErrRange);
    }
    if (*mhz > all.BandHigh || *mhz < all.BandLow)
        warnings.append(FrequencyWarning::OutRange);
    return warnings;
}
