// SPDX-License-Identifier: MIT
#include "widgets/code_points.h"

#include <QList>

namespace widgets::code_points {
namespace {

bool StartsPair(QStringView text, qsizetype at) {
    return text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
}

} // namespace

int Count(QStringView text) {
    return static_cast<int>(text.toUcs4().size());
}

qsizetype Utf16Offset(QStringView text, int index) {
    qsizetype at = 0;
    for (int counted = 0; counted < index && at < text.size(); ++counted)
        at += StartsPair(text, at) ? 2 : 1;
    return at;
}

QStringView Left(QStringView text, int count) {
    return text.left(Utf16Offset(text, count));
}

} // namespace widgets::code_points
