// SPDX-License-Identifier: MIT
#include "cli/arguments.h"

namespace cli {
namespace {

constexpr char16_t kFirstEscape = 0xdc80;
constexpr char16_t kLastEscape = 0xdcff;

// The character a well-formed sequence of one to four bytes at the start makes, if any.
QString FirstCharacter(std::string_view bytes) {
    for (std::size_t length = 1; length <= std::min<std::size_t>(4, bytes.size()); ++length) {
        const QByteArray sequence(bytes.data(), static_cast<qsizetype>(length));
        const QString character = QString::fromUtf8(sequence);
        if (character.toUtf8() == sequence)
            return character;
    }
    return {};
}

} // namespace

QString ArgumentText(std::string_view bytes) {
    const QString whole = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (whole.toUtf8() == QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())))
        return whole;
    QString text;
    while (!bytes.empty()) {
        const QString character = FirstCharacter(bytes);
        if (character.isEmpty()) {
            text += QChar(static_cast<char16_t>(0xdc00 + static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
        } else {
            text += character;
            bytes.remove_prefix(static_cast<std::size_t>(character.toUtf8().size()));
        }
    }
    return text;
}

std::string ArgumentBytes(const QString& text) {
    std::string bytes;
    qsizetype start = 0;
    const auto takeTextUpTo = [&](qsizetype end) {
        bytes += QStringView(text).sliced(start, end - start).toUtf8().toStdString();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        // The second half of a pair is a character's, not an escape.
        if (unit < kFirstEscape || unit > kLastEscape || (i > 0 && text[i - 1].isHighSurrogate()))
            continue;
        takeTextUpTo(i);
        bytes += static_cast<char>(unit - 0xdc00);
        start = i + 1;
    }
    takeTextUpTo(text.size());
    return bytes;
}

} // namespace cli
