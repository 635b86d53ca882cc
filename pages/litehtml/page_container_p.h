// SPDX-License-Identifier: MIT
#pragma once

#include "pages/page_callbacks.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <litehtml/litehtml.h>
#include <string>
#include <unordered_map>

namespace pages {

// Everything litehtml asks of its host for one document: fonts, measuring, drawing with the
// QPainter passed as the drawing handle, and the page's images, read through the pane's
// resource reader. It keeps no link to a widget, so a document may outlive its pane.
class PageContainer final : public litehtml::document_container {
public:
    // Pictures are read through read, by their address relative to pageAddress.
    PageContainer(QString pageAddress, ResourceReader read);
    PageContainer(const PageContainer&) = delete;
    PageContainer& operator=(const PageContainer&) = delete;
    ~PageContainer() = default;

    // The visible area the page is laid out in.
    void setClientSize(QSize size) { clientSize_ = size; }

    const QString& caption() const { return caption_; }

    // The font litehtml knows as hFont, or nullptr when there is none.
    const QFont* font(litehtml::uint_ptr hFont) const;
    const std::string& cursor() const { return cursor_; }

    litehtml::uint_ptr create_font(const litehtml::tchar_t* faceName, int size, int weight,
                                   litehtml::font_style italic, unsigned int decoration,
                                   litehtml::font_metrics* fm) override;
    void delete_font(litehtml::uint_ptr hFont) override;
    int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr hFont) override;
    void draw_text(litehtml::uint_ptr hdc, const litehtml::tchar_t* text, litehtml::uint_ptr hFont,
                   litehtml::web_color color, const litehtml::position& pos) override;
    int pt_to_px(int pt) const override;
    int get_default_font_size() const override;
    const litehtml::tchar_t* get_default_font_name() const override;
    void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker& marker) override;
    void load_image(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl,
                    bool redraw_on_ready) override;
    void get_image_size(const litehtml::tchar_t* src, const litehtml::tchar_t* baseurl,
                        litehtml::size& sz) override;
    void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint& bg) override;
    void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders& borders,
                      const litehtml::position& draw_pos, bool root) override;
    void set_caption(const litehtml::tchar_t* caption) override;
    void set_base_url(const litehtml::tchar_t* base_url) override;
    void link(const std::shared_ptr<litehtml::document>& doc,
              const litehtml::element::ptr& el) override;
    void on_anchor_click(const litehtml::tchar_t* url, const litehtml::element::ptr& el) override;
    void set_cursor(const litehtml::tchar_t* cursor) override;
    void transform_text(litehtml::tstring& text, litehtml::text_transform tt) override;
    void import_css(litehtml::tstring& text, const litehtml::tstring& url,
                    litehtml::tstring& baseurl) override;
    void set_clip(const litehtml::position& pos, const litehtml::border_radiuses& bdr_radius,
                  bool valid_x, bool valid_y) override;
    void del_clip() override;
    void get_client_rect(litehtml::position& client) const override;
    std::shared_ptr<litehtml::element>
    create_element(const litehtml::tchar_t* tag_name, const litehtml::string_map& attributes,
                   const std::shared_ptr<litehtml::document>& doc) override;
    void get_media_features(litehtml::media_features& media) const override;
    void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override;

private:
    struct Font {
        QFont font;
        int ascent;
    };

    QString pageAddress_;
    ResourceReader read_;
    QSize clientSize_;
    QString caption_;
    std::string cursor_;
    std::unordered_map<litehtml::uint_ptr, Font> fonts_;
    litehtml::uint_ptr lastFont_ = 0;
    std::unordered_map<std::string, QImage> images_; // by src as written in the page
};

} // namespace pages
