// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

// The engine counts characters as Unicode code points; QString counts UTF-16 units, two of
// them for a character outside the Basic Multilingual Plane.
namespace widgets::code_points {

int Count(QStringView text);

// The UTF-16 position of the character at the index; the end for indexes past it.
qsizetype Utf16Offset(QStringView text, int index);

// The first characters of the text, never more than count of them.
QStringView Left(QStringView text, int count);

} // namespace widgets::code_points
