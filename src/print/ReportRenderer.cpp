#include "ReportRenderer.h"

#include "ReportTables.h"

#include <QDate>
#include <QFontDatabase>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr double PageHeaderHeight = 37.0;
constexpr double GroupHeaderHeight = 7.0;
constexpr double DetailHeight = 7.0;
constexpr double FooterHeight = 6.0;
// 13 pixels at 96 dpi, in points.
constexpr double BodyPoints = 13.0 * 72.0 / 96.0;
constexpr double TitlePoints = 19.0 * 72.0 / 96.0;

QPageLayout letterLayout()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(10.0, 2.0, 10.0, 10.0), QPageLayout::Millimeter);
}

QString firstFamily(const QStringList &wanted, const QString &fallback)
{
    const QStringList families = QFontDatabase::families();
    for (const QString &family : wanted) {
        if (families.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return fallback;
}

QString dateText()
{
    QChar separator = u'/';
    for (const QChar c : QLocale::system().dateFormat(QLocale::ShortFormat)) {
        if (!c.isLetter() && !c.isSpace()) {
            separator = c;
            break;
        }
    }
    return QDate::currentDate().toString(QStringLiteral("yyyy%1MM%1dd").arg(separator));
}

// Draws in millimetres from the top-left of the printable area.
class PagePainter
{
public:
    PagePainter(QPainter *painter, double dotsPerMm) : m_painter(painter), m_scale(dotsPerMm) {}

    QRectF rect(double x, double y, double w, double h) const
    {
        return {x * m_scale, y * m_scale, w * m_scale, h * m_scale};
    }
    void text(double x, double y, double w, double h, const QString &text, Qt::Alignment align,
              const QFont &font)
    {
        m_painter->setFont(font);
        m_painter->drawText(rect(x, y, w, h), int(align) | Qt::TextSingleLine, text);
    }
    void line(double x, double y, double w)
    {
        m_painter->drawLine(QPointF(x * m_scale, y * m_scale),
                            QPointF((x + w) * m_scale, y * m_scale));
    }

private:
    QPainter *m_painter;
    double m_scale;
};

} // namespace

ReportRenderer::ReportRenderer(const ReportTables &tables) : m_tables(tables)
{}

QString ReportRenderer::reportFontFamily()
{
    return firstFamily({QStringLiteral("SimSun"), QString::fromUtf8("宋体"),
                        QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                        QStringLiteral("Droid Sans Fallback")},
                       QStringLiteral("Sans Serif"));
}

int ReportRenderer::render(QPagedPaintDevice *device) const
{
    device->setPageLayout(letterLayout());
    QPainter painter;
    if (!painter.begin(device))
        return 0;
    painter.setPen(Qt::black);
    const double dotsPerMm = device->logicalDpiY() / 25.4;
    const double pageHeight = letterLayout().paintRect(QPageLayout::Millimeter).height();
    const double footerTop = pageHeight - FooterHeight;
    PagePainter page(&painter, dotsPerMm);

    const QString family = reportFontFamily();
    QFont regular(family);
    regular.setPointSizeF(BodyPoints);
    QFont bold = regular;
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(TitlePoints);
    QFont number(firstFamily(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
        family));
    number.setPointSizeF(BodyPoints);
    number.setBold(true);

    const ReportHeader header = m_tables.myMain().value(0);
    const QString date = dateText();
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    const Qt::Alignment vcenter = Qt::AlignVCenter;

    int pages = 0;
    double y = 0.0;
    auto startPage = [&] {
        if (pages > 0)
            device->newPage();
        ++pages;
        page.text(0, 0, 195, 11, header.Title, Qt::AlignCenter, title);
        page.text(134, 11, 30, 5, date, Qt::AlignRight | vcenter, regular);
        page.text(165, 11, 25, 5, time, Qt::AlignLeft | vcenter, regular);
        page.line(0, 16, 195);
        const QString fields[3][2] = {{header.AField, header.AValue},
                                      {header.BField, header.BValue},
                                      {header.CField, header.CValue}};
        for (int i = 0; i < 3; ++i) {
            page.text(0, 18 + 5 * i, 66, 5, fields[i][0], Qt::AlignRight | vcenter, bold);
            page.text(67, 18 + 5 * i, 113, 5, fields[i][1], Qt::AlignLeft | vcenter, bold);
        }
        page.line(0, 36, 196);
        page.text(80, footerTop + 1, 20, 5, QString::number(pages), Qt::AlignHCenter | Qt::AlignTop,
                  number);
        y = PageHeaderHeight;
    };

    startPage();
    bool firstGroup = true;
    qint32 group = 0;
    for (const ReportRecord &r : m_tables.myAdo()) {
        if (firstGroup || r.TypeID != group) {
            if (!firstGroup || y + GroupHeaderHeight + DetailHeight > footerTop)
                startPage();
            page.text(0, y + 1, 51, 5, r.TypeName, Qt::AlignLeft | vcenter, bold);
            y += GroupHeaderHeight;
            firstGroup = false;
            group = r.TypeID;
        }
        if (y + DetailHeight > footerTop)
            startPage();
        page.text(5, y, 44, DetailHeight, r.AField, Qt::AlignLeft | vcenter, regular);
        page.text(49, y, 43, DetailHeight, QStringLiteral("  ") + r.AValue, Qt::AlignLeft | vcenter,
                  regular);
        page.text(94, y, 48, DetailHeight, r.BField, Qt::AlignLeft | vcenter, regular);
        page.text(143, y, 52, DetailHeight, r.BValue, Qt::AlignLeft | vcenter, regular);
        y += DetailHeight;
    }
    painter.end();
    return pages;
}

bool ReportRenderer::writePdf(const QString &path) const
{
    QPdfWriter writer(path);
    writer.setResolution(300);
    writer.setTitle(m_tables.myMain().value(0).Title);
    return render(&writer) > 0;
}
