// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <litehtml/litehtml.h>
#include <vector>

class QPainter;

namespace pages {

class PageContainer;

// The text of a laid-out page as a reader meets it: one string in reading order, with a line
// break between blocks and single blanks between words, and where each piece of it is
// drawn. Offsets count UTF-16 code units of text(). It is read again after every layout;
// offsets stay valid then, as long as the page is the same.
class PageText {
public:
    // One word or blank as litehtml drew it.
    struct Run {
        litehtml::element::weak_ptr element;
        int start;
        int length;
        QRect box; // empty for a blank the layout dropped at the end of a line
        QFont font;
        int ascent;
    };

    PageText(const litehtml::element::ptr& root, const PageContainer& fonts);

    const QString& text() const { return text_; }
    int length() const { return static_cast<int>(text_.size()); }
    const std::vector<Run>& runs() const { return runs_; }

    // The offset nearest to docPos (page coordinates): on the line under it or the nearest
    // line, before the character whose left half is under it.
    int offsetAt(QPoint docPos) const;

    // Where the characters from..to are drawn, one rectangle per run they touch.
    std::vector<QRect> rangeRects(int from, int to) const;
    // Where the character at offset is drawn; empty for a line break.
    QRect characterRect(int offset) const;

    // The visual lines, each from its first offset to the first of the next one (the blank or
    // line break that ends it included).
    int lineCount() const { return static_cast<int>(lineStarts_.size()); }
    int lineOf(int offset) const;
    int lineStart(int line) const;
    int lineEnd(int line) const;
    QRect lineBox(int line) const;

    // The word around offset, or the blanks, as a double click takes it.
    std::pair<int, int> wordAt(int offset) const;
    // The text of the block (paragraph, list item, cell) around offset, without its break.
    std::pair<int, int> blockAt(int offset) const;

    // The characters from..to as HTML, inside the elements that hold them, for pasting.
    QString html(int from, int to) const;

    // Draws the characters from..to over what the page drew there, in the given colours.
    void paintSelection(QPainter& painter, int from, int to, const QColor& background,
                        const QColor& foreground) const;

private:
    void read(const litehtml::element::ptr& element, const PageContainer& fonts);
    void readWord(const litehtml::element::ptr& element, const PageContainer& fonts);
    void breakLine();
    void findLines();
    int xOf(const Run& run, int offset) const;
    int runAtOrAfter(int offset) const;
    // The drawn runs that characters from..to touch, each with the part of its box they cover.
    std::vector<std::pair<const Run*, QRect>> rangeParts(int from, int to) const;

    QString text_;
    std::vector<Run> runs_;
    std::vector<int> lineStarts_;
    std::vector<QRect> lineBoxes_;
};

} // namespace pages
