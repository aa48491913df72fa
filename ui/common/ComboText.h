#pragma once
// Setting a combo box from the program without its change signals firing:
// the editor already knows the text it sets.

#include <QtCore/QStringList>

class QComboBox;

// Replaces the drop-down list; the text in the box stays as it was.
void setComboItems(QComboBox* box, const QStringList& items);
void setComboText(QComboBox* box, const QString& text);
