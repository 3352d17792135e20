#include "LocalizeForm.h"

#include "IniFile.h"
#include "TLanguage.h"
#include "app/Program.h"
#include "app/TALL.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVariant>

int ComponentTag(const QObject *component)
{
    return component->property("tag").toInt();
}

void SetComponentTag(QObject *component, int tag)
{
    component->setProperty("tag", tag);
}

namespace {

// Calls `text(key, current)` for every localisable text of a component and
// puts back what it returns.
template <typename TextFn> void visitComponent(QObject *object, bool combos, TextFn &&text)
{
    const QString name = object->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
        return; // Qt's own parts of a widget
    const QString caption = name + QStringLiteral(".Caption");
    if (auto *label = qobject_cast<QLabel *>(object)) {
        if (label->property("staticText").toBool())
            return; // a static text shows data, not a caption
        label->setText(text(caption, label->text()));
    } else if (auto *menu = qobject_cast<QMenu *>(object)) {
        menu->setTitle(text(caption, menu->title()));
    } else if (auto *action = qobject_cast<QAction *>(object)) {
        action->setText(text(caption, action->text()));
    } else if (auto *tool = qobject_cast<QToolButton *>(object)) {
        tool->setText(text(caption, tool->text()));
        tool->setToolTip(text(name + QStringLiteral(".Hint"), tool->toolTip()));
    } else if (auto *button = qobject_cast<QAbstractButton *>(object)) {
        // Push buttons, check boxes and radio buttons all show a caption.
        button->setText(text(caption, button->text()));
    } else if (auto *table = qobject_cast<QTableWidget *>(object)) {
        if (ComponentTag(table) == -2)
            return;
        for (int c = 0; c < table->columnCount(); ++c) {
            QTableWidgetItem *item = table->horizontalHeaderItem(c);
            if (!item) {
                item = new QTableWidgetItem;
                table->setHorizontalHeaderItem(c, item);
            }
            item->setText(text(name + u'.' + QString::number(c + 1), item->text()));
        }
    } else if (auto *combo = qobject_cast<QComboBox *>(object)) {
        const int tag = ComponentTag(combo);
        if (!combos || tag == -2)
            return;
        const int selected = combo->currentIndex();
        const int last = tag == -3 ? std::min(combo->count(), 1) : combo->count();
        for (int i = 0; i < last; ++i)
            combo->setItemText(i, text(name + u'.' + QString::number(i), combo->itemText(i)));
        combo->setCurrentIndex(selected);
    } else if (auto *group = qobject_cast<QGroupBox *>(object)) {
        group->setTitle(text(caption, group->title()));
    } else if (auto *tabs = qobject_cast<QTabWidget *>(object)) {
        for (int i = 0; i < tabs->count(); ++i) {
            const QString page = tabs->widget(i)->objectName();
            if (!page.isEmpty())
                tabs->setTabText(i, text(page + QStringLiteral(".Caption"), tabs->tabText(i)));
        }
    } else if (auto *list = qobject_cast<QListWidget *>(object)) {
        if (ComponentTag(list) == -2)
            return;
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem *item = list->item(i);
            item->setText(text(name + u'.' + QString::number(i), item->text()));
        }
    }
}

// Whether a widget is a window of its own, with its own section: the channel
// window inside the main window, or a dialog.
bool isOtherWindow(const QObject *object)
{
    static const QStringList sections = {
        QStringLiteral("fMainFrm"),         QStringLiteral("fChInfo"),
        QStringLiteral("fBInfoEdit"),       QStringLiteral("fBBatchEdit"),
        QStringLiteral("fToneOption"),      QStringLiteral("fBFunSet"),
        QStringLiteral("fEmbeddedMessage"), QStringLiteral("fSetPort"),
        QStringLiteral("fReadRadio"),       QStringLiteral("fWriteRadio"),
        QStringLiteral("fTestFrequency"),   QStringLiteral("fModel"),
        QStringLiteral("fSetLanguage"),     QStringLiteral("fFrmAbout")};
    const auto *widget = qobject_cast<const QWidget *>(object);
    const bool popupMenu = qobject_cast<const QMenu *>(object) != nullptr;
    return widget &&
           ((widget->isWindow() && !popupMenu) || sections.contains(widget->objectName()));
}

template <typename TextFn> void visitChildren(QObject *parent, bool combos, TextFn &&text)
{
    for (QObject *child : parent->children()) {
        if (isOtherWindow(child))
            continue;
        visitComponent(child, combos, text);
        visitChildren(child, combos, text);
    }
}

// The window's caption, then its components in creation order, depth first:
// the order of the window's own layout.
template <typename TextFn> void visitWindow(QWidget *window, bool combos, TextFn &&text)
{
    window->setWindowTitle(
        text(window->objectName() + QStringLiteral(".Caption"), window->windowTitle()));
    visitChildren(window, combos, text);
}

} // namespace

void LocalizeForm(QWidget *window, const QString &languageName, bool localiseCombos)
{
    if (!window)
        return;
    const IniFile ini(LanguageFilePath(languageName));
    const QString section = window->objectName();
    visitWindow(window, localiseCombos, [&](const QString &key, const QString &current) {
        return ini.value(section, key, current);
    });
}

void ApplyLanguage(QWidget *window, bool localiseCombos)
{
    LocalizeForm(window, All().LanguageName, localiseCombos);
}

QList<std::pair<QString, QString>> LocalizableTexts(QWidget *window, bool localiseCombos)
{
    QList<std::pair<QString, QString>> texts;
    visitWindow(window, localiseCombos, [&](const QString &key, const QString &current) {
        texts.append({key, current});
        return current;
    });
    return texts;
}
