// SPDX-License-Identifier: MIT
// The pages laid out by Qt's rich-text browser, for builds without litehtml. Qt reads the
// pages, draws them and gives the keyboard and the selection; this file only feeds it the
// pane's resources and turns its clicks into the facts a click handler is told.
#include "pages/page_log_p.h"
#include "pages/page_renderer_p.h"
#include "pages/resource_resolver.h"
#include "pages/scroll_into_view_p.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <utility>

namespace pages {
namespace {

// Qt's HTML reader gives a table column the width of the first cell that covers it, a cell
// spanning several columns sharing its width out evenly among them; browsers let the cells of
// a single column decide. The help page's heading rows, which span the indent and the text
// and come first, would so give the indent half the page. Spanning cells lose their widths
// here, and the single cells beneath set the columns as in a browser.
QString WithoutSpanningCellWidths(const QString& html) {
    static const QRegularExpression cell(QStringLiteral(R"(<td\b[^>]*>)"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression spanning(
        QStringLiteral(R"(\bcolspan\s*=\s*"?0*([2-9]|[1-9]\d))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression width(QStringLiteral(R"(\s+width\s*=\s*("[^"]*"|[^\s>]+))"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString result;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch& tag : cell.globalMatch(html)) {
        if (!tag.captured().contains(spanning))
            continue;
        result += QStringView(html).sliced(copied, tag.capturedStart() - copied);
        result += tag.captured().remove(width);
        copied = tag.capturedEnd();
    }
    result += QStringView(html).sliced(copied);
    return result;
}

// The format of the character at position of document; none for the end of a block.
QTextCharFormat FormatAt(const QTextDocument& document, int position) {
    const QTextBlock block = document.findBlock(position);
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        if (fragment.fragment().contains(position))
            return fragment.fragment().charFormat();
    }
    return {};
}

// Qt keeps a link's address on each of its characters and an element's id on its first
// character only. A link runs as far as its characters carry the same address.
std::pair<int, int> LinkAround(const QTextDocument& document, int position) {
    const QString href = FormatAt(document, position).anchorHref();
    int start = position;
    while (start > 0 && FormatAt(document, start - 1).anchorHref() == href &&
           FormatAt(document, start).anchorNames().isEmpty())
        --start;
    int end = position + 1;
    while (end < document.characterCount() - 1 && FormatAt(document, end).anchorHref() == href &&
           FormatAt(document, end).anchorNames().isEmpty())
        ++end;
    return {start, end};
}

// The frame Qt lays a floating picture at position out in, or nullptr.
QTextFrame* FloatingFrame(const QTextDocument& document, int position) {
    auto* frame = qobject_cast<QTextFrame*>(document.objectForFormat(FormatAt(document, position)));
    return frame && frame->frameFormat().position() != QTextFrameFormat::InFlow ? frame : nullptr;
}

// Where the character at position is drawn on the page: its box, as high as its line, and
// the line's base line.
struct CharacterPlace {
    QRectF box;
    qreal baseLine;
    int block;
    int line;
};

std::optional<CharacterPlace> PlaceOf(const QTextDocument& document, int position) {
    const QTextBlock block = document.findBlock(position);
    const QTextLayout* layout = block.layout();
    const int inBlock = position - block.position();
    const QTextLine line = layout->lineForTextPosition(inBlock);
    if (!line.isValid())
        return std::nullopt;
    const QPointF origin = document.documentLayout()->blockBoundingRect(block).topLeft() -
                           layout->boundingRect().topLeft();
    const qreal left = line.cursorToX(inBlock);
    const qreal right = line.cursorToX(inBlock + 1);
    return CharacterPlace{QRectF(origin + QPointF(std::min(left, right), line.y()),
                                 QSizeF(std::abs(right - left), line.height())),
                          origin.y() + line.y() + line.ascent(), block.blockNumber(),
                          line.lineNumber()};
}

// The boxes of the characters from..to on the page, one per line.
std::vector<QRect> LineBoxes(const QTextDocument& document, int from, int to) {
    std::vector<QRect> boxes;
    QRectF box;
    std::pair<int, int> boxLine{-1, -1};
    for (int position = from; position < to; ++position) {
        const std::optional<CharacterPlace> place = PlaceOf(document, position);
        if (!place)
            continue;
        if (std::pair(place->block, place->line) == boxLine) {
            box |= place->box;
            continue;
        }
        if (!box.isEmpty())
            boxes.push_back(box.toAlignedRect());
        box = place->box;
        boxLine = {place->block, place->line};
    }
    if (!box.isEmpty())
        boxes.push_back(box.toAlignedRect());
    return boxes;
}

} // namespace

// The browser inside the pane: it reads pictures through the page's reader and tells which
// mouse release it is handling, so that a link it activates there is not taken twice.
class PageBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        const QString address = ResolveRelative(pageAddress, name.toString());
        if (const std::optional<QByteArray> data = read(address)) {
            if (type == QTextDocument::ImageResource)
                return QImage::fromData(*data);
            return *data;
        }
        if (type == QTextDocument::ImageResource)
            qCInfo(lcPages, "no picture at %ls: laid out as 0 x 0", qUtf16Printable(address));
        else
            qCInfo(lcPages, "ignored %ls: nothing there", qUtf16Printable(address));
        return {};
    }

    QString pageAddress;
    ResourceReader read;
    bool releasing = false;
    // A left button press and its release with no drag between, in the visible area.
    std::function<void(QPoint pressed, QPoint released)> clicked;

protected:
    // A link is followed once however long Enter is held down.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->isAutoRepeat() &&
            (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            event->accept();
            return;
        }
        QTextBrowser::keyPressEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            pressPos_ = event->position().toPoint();
            dragged_ = false;
            pressed_ = true;
        }
        QTextBrowser::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (pressed_ && (event->position().toPoint() - pressPos_).manhattanLength() >=
                            QApplication::startDragDistance())
            dragged_ = true;
        QTextBrowser::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        releasing = true;
        QTextBrowser::mouseReleaseEvent(event);
        releasing = false;
        if (event->button() == Qt::LeftButton && std::exchange(pressed_, false) && !dragged_)
            clicked(pressPos_, event->position().toPoint());
    }

private:
    QPoint pressPos_;
    bool pressed_ = false;
    bool dragged_ = false;
};

// A text browser filling the pane's visible area; the pane keeps no scroll bars of its own.
class TextBrowserRenderer final : public PageRenderer {
public:
    TextBrowserRenderer(QAbstractScrollArea& pane, LinkFollower follow);

    void show(const QString& address, const QByteArray& html, const ResourceReader& read) override;
    void setClickHandler(ClickHandler handler) override;
    bool hasPage() const override { return loaded_; }
    QString address() const override { return address_; }
    QString title() const override;
    QSize contentSize() const override;
    std::vector<PageElement> elements(const QString& selector) const override;
    std::optional<PageElement> elementAt(QPoint onPage) const override;
    std::optional<PageElement> focusedLink() const override;
    std::vector<QRect> focusRects() const override;
    QString selectedText() const override;
    bool hasSelection() const override;
    QPoint scrollPosition() const override { return scroll(); }
    void showArea(const QRect& onPage) override;
    void select(int anchor, int caret) override;
    void resized() override;

private:
    QAbstractScrollArea& pane_;
    LinkFollower follow_;
    PageBrowser* browser_ = nullptr;
    QString address_;
    bool loaded_ = false;
    ClickHandler onClick_; // for the page shown

    const QTextDocument& document() const { return *browser_->document(); }
    QPoint scroll() const {
        return {browser_->horizontalScrollBar()->value(), browser_->verticalScrollBar()->value()};
    }

    // The character under onPage, or -1 off the text.
    int characterAt(QPoint onPage) const {
        const QTextDocument& doc = document();
        const int position = doc.documentLayout()->hitTest(onPage, Qt::ExactHit);
        if (position < 0)
            return -1;
        // A floating picture is laid out apart from its line: the hit is the picture.
        if (FormatAt(doc, position).isImageFormat())
            return position;
        const QTextBlock block = doc.findBlock(position);
        const QTextLayout* layout = block.layout();
        const QPointF inLayout = QPointF(onPage) -
                                 doc.documentLayout()->blockBoundingRect(block).topLeft() +
                                 layout->boundingRect().topLeft();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (line.rect().contains(inLayout)) {
                const int at = line.xToCursor(inLayout.x(), QTextLine::CursorOnCharacter);
                return at < block.length() - 1 ? block.position() + at : -1;
            }
        }
        return -1;
    }

    // What is at position: an image, a link, or other text.
    PageElement describe(int position) const {
        const QTextDocument& doc = document();
        const QTextCharFormat format = FormatAt(doc, position);
        PageElement element;
        if (format.isImageFormat()) {
            element.tagName = QStringLiteral("IMG");
            element.id = format.anchorNames().value(format.anchorNames().size() - 1);
            element.bounds = pictureBounds(position);
            return element;
        }
        if (!format.anchorHref().isEmpty())
            return describeLink(position);
        const QTextBlock block = doc.findBlock(position);
        element.tagName = QStringLiteral("P");
        element.text = block.text().simplified();
        element.bounds = doc.documentLayout()->blockBoundingRect(block).toAlignedRect();
        return element;
    }

    // Where the picture at position is drawn: a floating one has a frame of its own, one in
    // its line stands on the line's base line.
    QRect pictureBounds(int position) const {
        const QTextDocument& doc = document();
        if (QTextFrame* frame = FloatingFrame(doc, position))
            return doc.documentLayout()->frameBoundingRect(frame).toAlignedRect();
        const QString name = FormatAt(doc, position).toImageFormat().name();
        const QImage picture =
            doc.resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
        const std::optional<CharacterPlace> place = PlaceOf(doc, position);
        if (!place)
            return {};
        return QRectF(place->box.left(), place->baseLine - picture.height(), place->box.width(),
                      picture.height())
            .toAlignedRect();
    }

    // The link around position, its picture included.
    PageElement describeLink(int position) const {
        const QTextDocument& doc = document();
        const auto [start, end] = LinkAround(doc, position);
        PageElement link;
        link.tagName = QStringLiteral("A");
        link.id = FormatAt(doc, start).anchorNames().value(0);
        QTextCursor cursor(const_cast<QTextDocument*>(&doc));
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        link.text = cursor.selectedText().remove(QChar::ObjectReplacementCharacter).simplified();
        // A link around a floating picture has no line of its own: it covers the picture.
        if (end == start + 1 && FloatingFrame(doc, start)) {
            link.bounds = pictureBounds(start);
            return link;
        }
        link.lineBoxes = LineBoxes(doc, start, end);
        for (const QRect& box : link.lineBoxes)
            link.bounds |= box;
        return link;
    }

    // What lies at onPage off the text: a table cell, or the page itself.
    PageElement describeSpace(QPoint onPage) const {
        const QTextDocument& doc = document();
        const int near = doc.documentLayout()->hitTest(onPage, Qt::FuzzyHit);
        QTextCursor cursor(const_cast<QTextDocument*>(&doc));
        cursor.setPosition(std::max(near, 0));
        const qreal margin = doc.documentMargin();
        const bool inside = onPage.x() >= margin && onPage.y() >= margin &&
                            onPage.x() < doc.size().width() - margin &&
                            onPage.y() < doc.size().height() - margin;
        if (inside && cursor.currentTable())
            return PageElement{QStringLiteral("TD"), {}, {}, {}, {}};
        return PageElement{
            QStringLiteral("BODY"), {}, {}, QRect(QPoint(), doc.size().toSize()), {}};
    }

    PageElement describeAt(QPoint onPage) const {
        const int position = characterAt(onPage);
        return position < 0 ? describeSpace(onPage) : describe(position);
    }
};

std::unique_ptr<PageRenderer> MakePageRenderer(QAbstractScrollArea& pane, LinkFollower follow) {
    return std::make_unique<TextBrowserRenderer>(pane, std::move(follow));
}

TextBrowserRenderer::TextBrowserRenderer(QAbstractScrollArea& pane, LinkFollower follow)
    : pane_(pane), follow_(std::move(follow)) {
    pane_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    browser_ = new PageBrowser(pane_.viewport());
    browser_->setFrameShape(QFrame::NoFrame);
    // Links are the pane's to follow, after the click handler has had its say.
    browser_->setOpenLinks(false);
    browser_->setContextMenuPolicy(Qt::PreventContextMenu);
    browser_->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    pane_.setFocusProxy(browser_);
    pane_.setFocusPolicy(Qt::StrongFocus);
    browser_->clicked = [this](QPoint pressed, QPoint released) {
        const PageElement element = describeAt(released + scroll());
        // Pressed on text and let go on a link, or the other way round, is no click.
        if (describeAt(pressed + scroll()) != element)
            return;
        // Held here: the handler may open a modal box during which another page loads.
        const ClickHandler handler = onClick_;
        if (handler && !handler(element))
            return;
        if (element.tagName == u"A" || element.tagName == u"IMG") {
            const int position = characterAt(released + scroll());
            const QString href = FormatAt(document(), position).anchorHref();
            if (!href.isEmpty() && !href.startsWith(u'#'))
                follow_(ResolveRelative(address_, href));
        }
    };
    // Enter on a link the keyboard stands on; a mouse click is taken above.
    QObject::connect(browser_, &QTextBrowser::anchorClicked, &pane_, [this](const QUrl& href) {
        if (browser_->releasing)
            return;
        const std::optional<PageElement> link = focusedLink();
        const ClickHandler handler = onClick_;
        if (link && handler && !handler(*link))
            return;
        if (!href.toString().startsWith(u'#'))
            follow_(ResolveRelative(address_, href.toString()));
    });
}

void TextBrowserRenderer::show(const QString& address, const QByteArray& html,
                               const ResourceReader& read) {
    address_ = address;
    browser_->pageAddress = address;
    browser_->read = read;
    onClick_ = {};
    browser_->setHtml(WithoutSpanningCellWidths(QString::fromUtf8(html)));
    // Qt keeps 4 pixels around a document; the pages ask for none inside a 1-pixel frame.
    browser_->document()->setDocumentMargin(1);
    loaded_ = true;
    // A reader meets the browser inside, which has the focus: it goes by the pane's name.
    browser_->setAccessibleName(pane_.accessibleName().isEmpty() ? title()
                                                                 : pane_.accessibleName());
}

void TextBrowserRenderer::setClickHandler(ClickHandler handler) {
    if (loaded_)
        onClick_ = std::move(handler);
}

QString TextBrowserRenderer::title() const {
    return loaded_ ? browser_->documentTitle() : QString();
}

QSize TextBrowserRenderer::contentSize() const {
    return loaded_ ? document().size().toSize() : QSize();
}

std::vector<PageElement> TextBrowserRenderer::elements(const QString& selector) const {
    std::vector<PageElement> found;
    if (!loaded_)
        return found;
    const QTextDocument& doc = document();
    if (selector != u"a" && selector != u"img") {
        qCInfo(lcPages, "the text browser_ finds elements by \"a\" and \"img\" only, not by %ls",
               qUtf16Printable(selector));
        return found;
    }
    for (int position = 0; position < doc.characterCount() - 1; ++position) {
        const QTextCharFormat format = FormatAt(doc, position);
        if (selector == u"img" && format.isImageFormat()) {
            found.push_back(describe(position));
        } else if (selector == u"a" && !format.anchorHref().isEmpty()) {
            found.push_back(describeLink(position));
            position = LinkAround(doc, position).second - 1;
        }
    }
    return found;
}

std::optional<PageElement> TextBrowserRenderer::elementAt(QPoint onPage) const {
    if (!loaded_)
        return std::nullopt;
    return describeAt(onPage);
}

std::optional<PageElement> TextBrowserRenderer::focusedLink() const {
    const QTextCursor cursor = browser_->textCursor();
    if (!loaded_ || !cursor.hasSelection() ||
        FormatAt(document(), cursor.selectionStart()).anchorHref().isEmpty())
        return std::nullopt;
    return describeLink(cursor.selectionStart());
}

std::vector<QRect> TextBrowserRenderer::focusRects() const {
    const std::optional<PageElement> link = focusedLink();
    return link ? link->lineBoxes : std::vector<QRect>();
}

QString TextBrowserRenderer::selectedText() const {
    return browser_->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

bool TextBrowserRenderer::hasSelection() const {
    return browser_->textCursor().hasSelection();
}

void TextBrowserRenderer::showArea(const QRect& onPage) {
    ScrollIntoView(*browser_, onPage);
}

void TextBrowserRenderer::select(int anchor, int caret) {
    QTextCursor cursor(browser_->document());
    const int last = document().characterCount() - 1;
    cursor.setPosition(std::clamp(anchor, 0, last));
    cursor.setPosition(std::clamp(caret, 0, last), QTextCursor::KeepAnchor);
    browser_->setTextCursor(cursor);
}

void TextBrowserRenderer::resized() {
    browser_->setGeometry(pane_.viewport()->rect());
}

} // namespace pages
