#include "TfFrmAbout.h"

#include "LocalizeForm.h"
#include "app/Program.h"
#include "app/TALL.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QShowEvent>

TfFrmAbout::TfFrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fFrmAbout"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(408, 269);
    QFont font(QStringLiteral("SimSun"));
    font.setPixelSize(13);
    setFont(font);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ImApp"));
    icon->setGeometry(35, 33, 32, 32);
    icon->setPixmap(QIcon(QStringLiteral(":/images/veltrax.png")).pixmap(32, 32));
    icon->setProperty("staticText", true);
    icon->installEventFilter(this);

    const std::pair<const char *, int> lines[] = {{"Label1", 10}, {"Label2", 32}, {"Label3", 54},
                                                  {"Label8", 76}, {"Label4", 99}, {"Label9", 120}};
    int n = 1;
    for (const auto &[name, top] : lines)
        makeLabel(this, name, QByteArray::number(n++).constData(), top);

    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->hide();
    Label5 = makeLabel(panel, "Label5", "7", 0);
    Label6 = makeLabel(panel, "Label6", "8", 20);
    Label7 = makeLabel(panel, "Label7", "9", 40);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(5, 140, 398, 125);
    Memo1->setReadOnly(true);
}

QLabel *TfFrmAbout::makeLabel(QWidget *parent, const char *name, const char *caption, int top)
{
    auto *label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(97, top, 300, 20);
    label->installEventFilter(this);
    return label;
}

QString TfFrmAbout::memoText() const
{
    return Memo1->toPlainText();
}

void TfFrmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ApplyLanguage(this, false);
    setWindowTitle(All().ProductName);
    Memo1->setPlainText(Label5->text() + u'\n' + Label6->text() + QStringLiteral("\n\n") +
                        Label7->text());
}

void TfFrmAbout::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    accept();
}

bool TfFrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && qobject_cast<QLabel *>(watched)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
