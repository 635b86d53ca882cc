// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QLineEdit;

// The Plan window's controls, made so that keys and screen readers find them as they should.
namespace planwindow {

// What a reader calls a field: its label without the mnemonic and the colon.
QString SpokenName(const char* label);

// A box in the grid's row beside its label ("&Goal ($):"), whose key enters it. Its selection
// news is kept from readers until they hear of the focus.
QLineEdit* AddField(QGridLayout& grid, int row, const char* name, const char* label);

// Writes a field's text from the program, leaving the user's place in it: the caret stays
// where it was (at the end if it was there), and a text wholly selected stays wholly selected.
void Rewrite(QLineEdit& field, const QString& text);

// A row of option buttons, one of them on, each read with what it chooses ("Goal per Month"):
// Tab enters at the one that is on, the arrow keys move between them. Ids count from 0.
QButtonGroup* AddChoices(QGridLayout& grid, int row, const char* label, const char* spoken,
                         const QStringList& choices);

} // namespace planwindow
