// SPDX-License-Identifier: MIT
#include "pages/font_families.h"
#include "pages/litehtml/page_container_p.h"
#include "pages/page_log_p.h"
#include "pages/resource_resolver.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace pages {
namespace {

QPainter& Painter(litehtml::uint_ptr hdc) {
    return *reinterpret_cast<QPainter*>(hdc);
}

QColor ToColor(const litehtml::web_color& color) {
    return QColor(color.red, color.green, color.blue, color.alpha);
}

QRect ToRect(const litehtml::position& pos) {
    return QRect(pos.x, pos.y, pos.width, pos.height);
}

void FillBorder(QPainter& painter, const litehtml::border& border, const QRect& side) {
    // Every style is drawn solid: the pages use no other, and a missing border would hide
    // more than a plain one.
    if (border.width > 0 && border.style != litehtml::border_style_none &&
        border.style != litehtml::border_style_hidden)
        painter.fillRect(side, ToColor(border.color));
}

} // namespace

PageContainer::PageContainer(QString pageAddress, ResourceReader read)
    : pageAddress_(std::move(pageAddress)), read_(std::move(read)) {}

litehtml::uint_ptr PageContainer::create_font(const litehtml::tchar_t* faceName, int size,
                                              int weight, litehtml::font_style italic,
                                              unsigned int decoration, litehtml::font_metrics* fm) {
    QFont font;
    font.setFamilies(MapFontFamilies(QString::fromUtf8(faceName)));
    font.setPixelSize(std::max(size, 1));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setItalic(italic == litehtml::fontStyleItalic);
    font.setUnderline(decoration & litehtml::font_decoration_underline);
    font.setStrikeOut(decoration & litehtml::font_decoration_linethrough);
    font.setOverline(decoration & litehtml::font_decoration_overline);

    const QFontMetrics metrics(font);
    if (fm) {
        fm->ascent = metrics.ascent();
        fm->descent = metrics.descent();
        fm->height = metrics.height();
        fm->x_height = metrics.xHeight();
        // Lines under and through text must run across the spaces between words too.
        fm->draw_spaces = italic == litehtml::fontStyleItalic || decoration != 0;
    }
    fonts_.emplace(++lastFont_, Font{font, metrics.ascent()});
    return lastFont_;
}

const QFont* PageContainer::font(litehtml::uint_ptr hFont) const {
    const auto found = fonts_.find(hFont);
    return found == fonts_.end() ? nullptr : &found->second.font;
}

void PageContainer::delete_font(litehtml::uint_ptr hFont) {
    fonts_.erase(hFont);
}

int PageContainer::text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont) {
    const auto found = fonts_.find(hFont);
    if (found == fonts_.end())
        return 0;
    return QFontMetrics(found->second.font).horizontalAdvance(QString::fromUtf8(text));
}

void PageContainer::draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text,
                              litehtml::uint_ptr hFont, litehtml::web_color color,
                              const litehtml::position& pos) {
    const auto found = fonts_.find(hFont);
    if (found == fonts_.end())
        return;
    QPainter& painter = Painter(hdc);
    painter.setFont(found->second.font);
    painter.setPen(ToColor(color));
    painter.drawText(QPoint(pos.x, pos.y + found->second.ascent), QString::fromUtf8(text));
}

int PageContainer::pt_to_px(int pt) const {
    // Pinned to 96 dpi, as the pages were designed: 10 pt is 13 pixels on every screen.
    return pt * 96 / 72;
}

int PageContainer::get_default_font_size() const {
    return 16;
}

const litehtml::tchar_t* PageContainer::get_default_font_name() const {
    return "sans-serif";
}

void PageContainer::draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) {
    QPainter& painter = Painter(hdc);
    const QRect box = ToRect(marker.pos);
    const QColor color = ToColor(marker.color);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (marker.marker_type) {
    case litehtml::list_style_type_circle:
        painter.setPen(color);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    case litehtml::list_style_type_disc:
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(box);
        break;
    case litehtml::list_style_type_square:
        painter.fillRect(box, color);
        break;
    default: // numbered markers arrive as text through draw_text
        break;
    }
    painter.restore();
}

void PageContainer::load_image(const litehtml::tchar_t* src, const litehtml::tchar_t*, bool) {
    // litehtml hands over the src as written; the page's own address is the base, so a page
    // can only ever show images of the same built-in set.
    if (images_.contains(src))
        return;
    QImage image;
    const QString address = ResolveRelative(pageAddress_, QString::fromUtf8(src));
    if (const auto data = read_(address))
        image.loadFromData(*data);
    if (image.isNull())
        qCInfo(lcPages, "no picture at %ls: laid out as 0 x 0", qUtf16Printable(address));
    images_.emplace(src, std::move(image));
}

void PageContainer::get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t*,
                                   litehtml::size& sz) {
    const auto found = images_.find(src);
    const QSize size = found == images_.end() ? QSize(0, 0) : found->second.size();
    sz.width = size.width();
    sz.height = size.height();
}

void PageContainer::draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) {
    QPainter& painter = Painter(hdc);
    if (bg.color.alpha > 0)
        painter.fillRect(ToRect(bg.clip_box), ToColor(bg.color));
    if (bg.image.empty())
        return;
    const auto found = images_.find(bg.image);
    if (found == images_.end() || found->second.isNull())
        return;
    // Images are drawn once at their place; no page tiles a background picture.
    painter.save();
    painter.setClipRect(ToRect(bg.clip_box), Qt::IntersectClip);
    painter.drawImage(
        QRect(bg.position_x, bg.position_y, bg.image_size.width, bg.image_size.height),
        found->second);
    painter.restore();
}

void PageContainer::draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders,
                                 const litehtml::position& draw_pos, bool) {
    QPainter& painter = Painter(hdc);
    const QRect box = ToRect(draw_pos);
    FillBorder(painter, borders.top, QRect(box.left(), box.top(), box.width(), borders.top.width));
    FillBorder(painter, borders.bottom,
               QRect(box.left(), box.bottom() + 1 - borders.bottom.width, box.width(),
                     borders.bottom.width));
    FillBorder(painter, borders.left,
               QRect(box.left(), box.top(), borders.left.width, box.height()));
    FillBorder(
        painter, borders.right,
        QRect(box.right() + 1 - borders.right.width, box.top(), borders.right.width, box.height()));
}

void PageContainer::set_caption(const litehtml::tchar_t* caption) {
    caption_ = QString::fromUtf8(caption);
}

void PageContainer::set_base_url(const litehtml::tchar_t* base_url) {
    // A <base> element may not move a page away from its own address.
    qCInfo(lcPages, "ignored <base href=\"%s\">", base_url);
}

void PageContainer::link(const std::shared_ptr<litehtml::document>&,
                         const litehtml::element::ptr& el) {
    // Linked style sheets are never fetched: pages carry their styles inline.
    qCInfo(lcPages, "ignored <link href=\"%s\">", el->get_attr("href", ""));
}

void PageContainer::on_anchor_click(const litehtml::tchar_t*, const litehtml::element::ptr&) {
    // The pane handles clicks itself (press and release on one element) and never lets
    // litehtml see a button release, so this is not reached.
}

void PageContainer::set_cursor(const litehtml::tchar_t* cursor) {
    cursor_ = cursor;
}

void PageContainer::transform_text(litehtml::tstring& text, litehtml::text_transform tt) {
    QString transformed = QString::fromUtf8(text);
    switch (tt) {
    case litehtml::text_transform_uppercase:
        transformed = transformed.toUpper();
        break;
    case litehtml::text_transform_lowercase:
        transformed = transformed.toLower();
        break;
    case litehtml::text_transform_capitalize:
        if (!transformed.isEmpty())
            transformed[0] = transformed[0].toUpper();
        break;
    case litehtml::text_transform_none:
        return;
    }
    text = transformed.toStdString();
}

void PageContainer::import_css(litehtml::tstring&, const litehtml::tstring& url,
                               litehtml::tstring&) {
    // @import is ignored for the same reason as linked style sheets.
    qCInfo(lcPages, "ignored @import of %s", url.c_str());
}

void PageContainer::set_clip(const litehtml::position&, const litehtml::border_radiuses&, bool,
                             bool) {
    // Only overflow:hidden asks for clipping, and no page uses it.
    qCDebug(lcPages, "ignored clipping (overflow:hidden)");
}

void PageContainer::del_clip() {}

void PageContainer::get_client_rect(litehtml::position& client) const {
    client = litehtml::position(0, 0, clientSize_.width(), clientSize_.height());
}

std::shared_ptr<litehtml::element>
PageContainer::create_element(const litehtml::tchar_t*, const litehtml::string_map&,
                              const std::shared_ptr<litehtml::document>&) {
    return nullptr; // litehtml's own elements for every tag
}

void PageContainer::get_media_features(litehtml::media_features& media) const {
    media.type = litehtml::media_type_screen;
    media.width = media.device_width = clientSize_.width();
    media.height = media.device_height = clientSize_.height();
    media.color = 8;
    media.resolution = 96;
}

void PageContainer::get_language(litehtml::tstring& language, litehtml::tstring& culture) const {
    language = "en";
    culture.clear();
}

} // namespace pages
