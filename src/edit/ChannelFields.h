#pragma once

#include <initializer_list>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

// What the channel dialogs' fields have in common.
namespace ChannelFields {

// A tone field: the tone list, typed text limited to tone characters, no
// completion and no insertion of typed texts into the list.
void setupToneField(QComboBox *field);
// Typed and pasted text limited to tone characters; the "None" item passes whole.
void AttachToneFilter(QComboBox *field);
// An empty field selects "None"; any other text becomes a valid tone text.
void normalizeToneField(QComboBox *field);
// A frequency field: digits and the point only.
void setupFrequencyField(QLineEdit *field);
// The hidden yes/no lists behind the check boxes, at "No", and the power list at "High":
// the values of a channel that is new.
void setupNewChannelLists(QComboBox *power, std::initializer_list<QComboBox *> yesNoLists);
// The hidden yes/no list behind a check box: ticked is item 0 "Yes", else item 1 "No".
void mirrorCheckBox(const QCheckBox *box, QComboBox *yesNo);
// Opens the tone picker; a chosen tone becomes the field's text. False when nothing was chosen.
bool pickTone(QWidget *parent, QComboBox *field);

} // namespace ChannelFields
