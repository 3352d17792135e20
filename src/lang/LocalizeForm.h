#pragma once

#include <QString>

class QObject;
class QWidget;

// Applies a language file to a window. The window's object name is its
// section; each component is found by its object name and its "tag" property
// says how to treat its items: -2 never, -3 item 0 only. Combo boxes are
// localised only when localiseCombos is set.
void LocalizeForm(QWidget *window, const QString &languageName, bool localiseCombos);

// The tag of a component (its "tag" property), 0 when it has none.
int ComponentTag(const QObject *component);
void SetComponentTag(QObject *component, int tag);
