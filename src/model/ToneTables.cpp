#include "ToneTables.h"

#include "ChannelText.h"

#include <cmath>

namespace {

const char *const CtcssTones[] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
    "186.2", "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};

const char *const DcsCodes[] = {
    "023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071", "072",
    "073", "074", "114", "115", "116", "125", "131", "132", "134", "143", "152", "155",
    "156", "162", "165", "172", "174", "205", "223", "226", "243", "244", "245", "251",
    "261", "263", "265", "271", "306", "311", "315", "331", "343", "346", "351", "364",
    "365", "371", "411", "412", "413", "423", "431", "432", "445", "464", "465", "466",
    "503", "506", "516", "532", "546", "565", "606", "612", "624", "627", "631", "632",
    "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

const char *const PickerCtcss[] = {
    "01-67.0-XZ",  "02-69.3-WZ",  "03-71.9-XA",  "04-74.4-WA",  "05-77.0-XB",  "06-79.7-WB",
    "07-82.5-YZ",  "08-85.4-YA",  "09-88.5-YB",  "0A-91.5-ZZ",  "0B-94.8-ZA",  "0C-97.4-ZB",
    "0D-100.0-1Z", "0E-103.5-1A", "0F-107.2-1B", "10-110.9-2Z", "11-114.8-2A", "12-118.8-2B",
    "13-123.0-3Z", "14-127.3-3A", "15-131.8-3B", "16-136.5-4Z", "17-141.3-4A", "18-146.2-4B",
    "19-151.4-5Z", "1A-156.7-5A", "1B-162.2-5B", "1C-167.9-6Z", "1D-173.8-6A", "1E-179.9-6B",
    "1F-186.2-7Z", "20-192.8-7A", "21-203.5-M1", "22-206.5-8Z", "23-210.7-M2", "24-218.1-M3",
    "25-225.7-M4", "26-229.1-9Z", "27-233.6-M5", "28-241.8-M6", "29-250.3-M7", "2A-254.1-0Z"};

bool isHexLetter(QChar c)
{
    return c >= u'A' && c <= u'F';
}

// Two characters read as a hexadecimal pair; false when they are not one.
bool hexPair(QChar hi, QChar lo, quint8 *byte)
{
    bool ok = false;
    const uint value = (QString(hi) + lo).toUInt(&ok, 16);
    if (!ok)
        return false;
    *byte = quint8(value);
    return true;
}

} // namespace

const QStringList &ToneList()
{
    static const QStringList list = [] {
        QStringList l{QStringLiteral("None")};
        for (const char *tone : CtcssTones)
            l.append(QString::fromLatin1(tone));
        for (const char *code : DcsCodes)
            l.append(u'D' + QString::fromLatin1(code) + u'N');
        for (const char *code : DcsCodes)
            l.append(u'D' + QString::fromLatin1(code) + u'I');
        return l;
    }();
    return list;
}

const QStringList &TonePickerList()
{
    static const QStringList list = [] {
        QStringList l;
        for (const char *entry : PickerCtcss)
            l.append(QString::fromLatin1(entry));
        l << QString() << QString() << QString();
        QStringList codes;
        for (const char *code : DcsCodes)
            codes.append(QString::fromLatin1(code));
        codes << QStringLiteral("525") << QStringLiteral("645");
        codes.sort();
        for (int i = 0; i < codes.size(); ++i)
            l.append(QString::number(i + 1) + QStringLiteral("-D") + codes[i]);
        l << QString() << QString() << QString();
        return l;
    }();
    return list;
}

bool EncodeTone(const QString &tone, ToneWord *word)
{
    *word = ToneWord{};
    if (tone.isEmpty())
        return true;
    if (tone.front() == u'D') {
        if (tone.size() < 5)
            return false;
        const QChar p = tone[4].toUpper();
        const QChar kind = p == u'N' ? u'8' : p == u'I' ? u'C' : p;
        ToneWord w;
        if (!hexPair(tone[2], tone[3], &w.low) || !hexPair(kind, tone[1], &w.high))
            return false;
        *word = w;
        return true;
    }
    double value = 0.0;
    if (!ParseDecimal(tone, &value))
        return false;
    const long long tenths = std::llround(value * 10.0);
    if (tenths < 0 || tenths > 9999)
        return false;
    const QString digits = QString::number(tenths).rightJustified(4, u'0');
    ToneWord w;
    hexPair(digits[0], digits[1], &w.high);
    hexPair(digits[2], digits[3], &w.low);
    *word = w;
    return true;
}

QString DecodeTone(quint8 low, quint8 high)
{
    if (low == 0xFF && high == 0xFF)
        return QString();
    const QString h = QStringLiteral("%1%2")
                          .arg(high, 2, 16, QLatin1Char('0'))
                          .arg(low, 2, 16, QLatin1Char('0'))
                          .toUpper();
    if (h[0] == u'8')
        return u'D' + h.mid(1) + u'N';
    if (h[0] == u'C')
        return u'D' + h.mid(1) + u'I';
    if (std::any_of(h.begin(), h.end(), isHexLetter))
        return QString();
    return QString::number(h.toInt() / 10.0, 'f', 1);
}
