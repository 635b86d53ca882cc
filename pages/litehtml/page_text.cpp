// SPDX-License-Identifier: MIT
#include "pages/litehtml/page_container_p.h"
#include "pages/litehtml/page_element_p.h"
#include "pages/litehtml/page_text_p.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace pages {
namespace {

QRect Placement(const litehtml::element::ptr& element) {
    const litehtml::position place = element->get_placement();
    return QRect(place.x, place.y, place.width, place.height);
}

// The elements around element that a pasted piece of the page keeps, outermost first.
std::vector<litehtml::element::ptr> Holders(const litehtml::element::ptr& element) {
    std::vector<litehtml::element::ptr> holders;
    for (litehtml::element::ptr at = element->parent(); at; at = at->parent()) {
        const litehtml::tchar_t* tag = at->get_tagName();
        if (tag && *tag && !HasTag(at, "html") && !HasTag(at, "body"))
            holders.push_back(at);
    }
    std::reverse(holders.begin(), holders.end());
    return holders;
}

QString StartTag(const litehtml::element::ptr& element) {
    QString tag = u'<' + QString::fromUtf8(element->get_tagName());
    // What a pasted piece needs to keep its links and colours; layout attributes stay behind.
    for (const char* name : {"href", "color", "alt"}) {
        if (const litehtml::tchar_t* value = element->get_attr(name))
            tag += QStringLiteral(" %1=\"%2\"")
                       .arg(QLatin1String(name), QString::fromUtf8(value).toHtmlEscaped());
    }
    return tag + u'>';
}

QString EndTag(const litehtml::element::ptr& element) {
    return QStringLiteral("</%1>").arg(QString::fromUtf8(element->get_tagName()));
}

} // namespace

PageText::PageText(const litehtml::element::ptr& root, const PageContainer& fonts) {
    read(root, fonts);
    if (text_.endsWith(u'\n'))
        text_.chop(1);
    findLines();
}

void PageText::read(const litehtml::element::ptr& element, const PageContainer& fonts) {
    const litehtml::style_display display = element->get_display();
    if (display == litehtml::display_none)
        return;
    if (display == litehtml::display_inline_text) {
        readWord(element, fonts);
        return;
    }
    const bool block = IsBlock(element);
    if (block)
        breakLine();
    for (size_t i = 0; i < element->get_children_count(); ++i)
        read(element->get_child(static_cast<int>(i)), fonts);
    if (block)
        breakLine();
}

void PageText::readWord(const litehtml::element::ptr& element, const PageContainer& fonts) {
    QString word;
    if (element->is_white_space()) {
        // Blanks collapse, and none starts a block.
        if (text_.isEmpty() || text_.endsWith(u' ') || text_.endsWith(u'\n'))
            return;
        word = QStringLiteral(" ");
    } else {
        litehtml::tstring source;
        element->get_text(source);
        word = QString::fromUtf8(source);
        if (word.isEmpty())
            return;
    }
    const QFont* found = fonts.font(element->get_font());
    const QFont font = found ? *found : QFont();
    runs_.push_back({element, length(), static_cast<int>(word.size()),
                     element->skip() ? QRect() : Placement(element), font,
                     QFontMetrics(font).ascent()});
    text_ += word;
}

void PageText::breakLine() {
    if (text_.isEmpty() || text_.endsWith(u'\n'))
        return;
    if (text_.endsWith(u' ')) {
        text_.chop(1);
        runs_.pop_back();
    }
    text_ += u'\n';
}

void PageText::findLines() {
    lineStarts_ = {0};
    lineBoxes_ = {QRect()};
    const Run* previous = nullptr;
    for (const Run& run : runs_) {
        if (run.box.isEmpty())
            continue;
        if (previous) {
            const int previousEnd = previous->start + previous->length;
            const bool newBlock = text_.mid(previousEnd, run.start - previousEnd).contains(u'\n');
            const bool wrapped =
                run.box.top() > previous->box.center().y() || run.box.left() < previous->box.left();
            if (newBlock || wrapped) {
                lineStarts_.push_back(run.start);
                lineBoxes_.emplace_back();
            }
        }
        lineBoxes_.back() |= run.box;
        previous = &run;
    }
}

int PageText::xOf(const Run& run, int offset) const {
    if (offset >= run.start + run.length)
        return run.box.right() + 1;
    const int advance =
        QFontMetrics(run.font).horizontalAdvance(text_.mid(run.start, offset - run.start));
    return std::min(run.box.left() + advance, run.box.right() + 1);
}

int PageText::runAtOrAfter(int offset) const {
    const auto found = std::partition_point(runs_.begin(), runs_.end(), [offset](const Run& run) {
        return run.start + run.length <= offset;
    });
    return static_cast<int>(found - runs_.begin());
}

int PageText::offsetAt(QPoint docPos) const {
    int line = -1;
    int distance = 0;
    for (int i = 0; i < lineCount(); ++i) {
        const QRect& box = lineBoxes_[static_cast<size_t>(i)];
        if (box.isEmpty())
            continue;
        const int away = docPos.y() < box.top()      ? box.top() - docPos.y()
                         : docPos.y() > box.bottom() ? docPos.y() - box.bottom()
                                                     : 0;
        if (line < 0 || away < distance) {
            line = i;
            distance = away;
        }
    }
    if (line < 0)
        return 0;
    int nearest = lineStart(line);
    for (size_t i = static_cast<size_t>(runAtOrAfter(lineStart(line)));
         i < runs_.size() && runs_[i].start < lineEnd(line); ++i) {
        const Run& run = runs_[i];
        if (run.box.isEmpty())
            continue;
        if (docPos.x() < run.box.left())
            return nearest;
        for (int at = run.start; at < run.start + run.length; ++at) {
            if (docPos.x() < (xOf(run, at) + xOf(run, at + 1)) / 2)
                return at;
        }
        nearest = run.start + run.length;
    }
    return nearest;
}

std::vector<std::pair<const PageText::Run*, QRect>> PageText::rangeParts(int from, int to) const {
    std::vector<std::pair<const Run*, QRect>> parts;
    for (size_t i = static_cast<size_t>(runAtOrAfter(from)); i < runs_.size(); ++i) {
        const Run& run = runs_[i];
        if (run.start >= to)
            break;
        if (run.box.isEmpty())
            continue;
        const int left = xOf(run, std::max(from, run.start));
        const int right = xOf(run, std::min(to, run.start + run.length));
        parts.emplace_back(&run, QRect(left, run.box.top(), right - left, run.box.height()));
    }
    return parts;
}

std::vector<QRect> PageText::rangeRects(int from, int to) const {
    std::vector<QRect> rects;
    for (const auto& [run, part] : rangeParts(from, to))
        rects.push_back(part);
    return rects;
}

QRect PageText::characterRect(int offset) const {
    const std::vector<QRect> rects = rangeRects(offset, offset + 1);
    return rects.empty() ? QRect() : rects.front();
}

int PageText::lineOf(int offset) const {
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    return static_cast<int>(after - lineStarts_.begin()) - 1;
}

int PageText::lineStart(int line) const {
    return lineStarts_[static_cast<size_t>(std::clamp(line, 0, lineCount() - 1))];
}

int PageText::lineEnd(int line) const {
    return line + 1 < lineCount() ? lineStart(line + 1) : length();
}

QRect PageText::lineBox(int line) const {
    return lineBoxes_[static_cast<size_t>(std::clamp(line, 0, lineCount() - 1))];
}

std::pair<int, int> PageText::wordAt(int offset) const {
    if (text_.isEmpty())
        return {0, 0};
    offset = std::clamp(offset, 0, length() - 1);
    QTextBoundaryFinder words(QTextBoundaryFinder::Word, text_);
    words.setPosition(offset);
    const int start = words.isAtBoundary() ? offset : static_cast<int>(words.toPreviousBoundary());
    words.setPosition(offset);
    const int end = static_cast<int>(words.toNextBoundary());
    return {std::max(start, 0), end < 0 ? length() : end};
}

std::pair<int, int> PageText::blockAt(int offset) const {
    offset = std::clamp(offset, 0, length());
    const int start = offset > 0 ? static_cast<int>(text_.lastIndexOf(u'\n', offset - 1)) + 1 : 0;
    const int end = static_cast<int>(text_.indexOf(u'\n', offset));
    return {start, end < 0 ? length() : end};
}

QString PageText::html(int from, int to) const {
    QString html;
    std::vector<litehtml::element::ptr> open;
    for (size_t i = static_cast<size_t>(runAtOrAfter(from)); i < runs_.size(); ++i) {
        const Run& run = runs_[i];
        if (run.start >= to)
            break;
        const litehtml::element::ptr element = run.element.lock();
        if (!element)
            continue;
        const std::vector<litehtml::element::ptr> holders = Holders(element);
        const size_t kept = static_cast<size_t>(
            std::mismatch(open.begin(), open.end(), holders.begin(), holders.end()).first -
            open.begin());
        while (open.size() > kept) {
            html += EndTag(open.back());
            open.pop_back();
        }
        for (size_t at = open.size(); at < holders.size(); ++at) {
            html += StartTag(holders[at]);
            open.push_back(holders[at]);
        }
        const int start = std::max(from, run.start);
        html += text_.mid(start, std::min(to, run.start + run.length) - start).toHtmlEscaped();
    }
    while (!open.empty()) {
        html += EndTag(open.back());
        open.pop_back();
    }
    return html;
}

void PageText::paintSelection(QPainter& painter, int from, int to, const QColor& background,
                              const QColor& foreground) const {
    for (const auto& [run, part] : rangeParts(from, to)) {
        painter.fillRect(part, background);
        painter.save();
        painter.setClipRect(part, Qt::IntersectClip);
        painter.setFont(run->font);
        painter.setPen(foreground);
        painter.drawText(QPoint(run->box.left(), run->box.top() + run->ascent),
                         text_.mid(run->start, run->length));
        painter.restore();
    }
}

} // namespace pages
