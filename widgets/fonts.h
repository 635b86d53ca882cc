// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

namespace widgets {

inline constexpr const char* kVerdana = "Verdana";
inline constexpr const char* kArial = "Arial";

// The windows are laid out for Verdana and Arial, and the pages name Verdana, Tahoma and a
// few more. Where those are not installed, the free fonts closest to them in width stand in,
// so that captions fit their designed places: this enters them in QFont's substitution table,
// which every QFont naming them then follows. Safe to call more than once.
void RegisterFontSubstitutes();

// The stand-in for family (any case) when one is known, else family itself.
QString StandInFor(const QString& family);

// Whether a stand-in draws font: its family is not installed.
bool IsStandIn(const QFont& font);

// A font of the design, in points as stored there (8.25, 9.75, 12, 15.75).
QFont DesignFont(const char* family, qreal points, QFont::Weight weight = QFont::Normal);

} // namespace widgets
