#pragma once

#include <QList>
#include <QString>

#include <utility>

class QObject;
class QWidget;

// Applies a language file to a window. The window's object name is its
// section; each component is found by its object name and its "tag" property
// says how to treat its items: -2 never, -3 item 0 only. Combo boxes are
// localised only when localiseCombos is set.
void LocalizeForm(QWidget *window, const QString &languageName, bool localiseCombos);

// Applies the current language's file to a window as it opens. The file is
// applied whatever the language's position in the list, so that a window
// never shows its built-in texts while another language is chosen.
void ApplyLanguage(QWidget *window, bool localiseCombos);

// Every key a window's components would be localised by, with the text each
// shows now, in component order.
QList<std::pair<QString, QString>> LocalizableTexts(QWidget *window, bool localiseCombos);

// The tag of a component (its "tag" property), 0 when it has none.
int ComponentTag(const QObject *component);
void SetComponentTag(QObject *component, int tag);
