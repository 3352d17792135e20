#include "LocalizeForm.h"

#include "IniFile.h"
#include "TLanguage.h"

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

class Localizer
{
public:
    Localizer(const QString &languageName, const QString &section, bool combos)
        : m_ini(LanguageFilePath(languageName)), m_section(section), m_combos(combos)
    {
    }

    QString text(const QString &key, const QString &current) const
    {
        return m_ini.value(m_section, key, current);
    }

    void apply(QObject *object) const
    {
        const QString name = object->objectName();
        if (name.isEmpty())
            return;
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
            if (!m_combos || tag == -2)
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

private:
    IniFile m_ini;
    QString m_section;
    bool m_combos;
};

} // namespace

void LocalizeForm(QWidget *window, const QString &languageName, bool localiseCombos)
{
    if (!window)
        return;
    const QString section = window->objectName();
    const Localizer localizer(languageName, section, localiseCombos);
    window->setWindowTitle(
        localizer.text(section + QStringLiteral(".Caption"), window->windowTitle()));
    // Children in creation order, depth first: the order of the window's own layout.
    const QList<QObject *> components = window->findChildren<QObject *>();
    for (QObject *component : components)
        localizer.apply(component);
}
