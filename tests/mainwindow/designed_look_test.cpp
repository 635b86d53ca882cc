// SPDX-License-Identifier: MIT
// The designed windows look the same whatever palette the desktop gives the program: each is
// pictured under Qt's own light palette and again under a desktop palette set before it was
// made, and the two pictures may differ in at most 1 % of their pixels.
#include "about/frm_about.h"
#include "mainwindow/frm_main.h"
#include "pages/web_pane.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

namespace {

enum class View { Calculator, Help, Tools, About };

// Palettes of dark and coloured desktops, made the way a platform theme makes them: from a
// window colour, with text that contrasts with it.
QPalette DesktopPalette(QColor window, QColor text) {
    QPalette palette(window, window);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, window.darker(130));
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::Link, QColor(120, 170, 255));
    return palette;
}

QImage Grab(View view) {
    mainwindow::frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {};
    if (view == View::About) {
        about::frmAbout about(&window);
        about.show();
        if (!QTest::qWaitForWindowExposed(&about))
            return {};
        return about.grab().toImage();
    }
    const int tab = view == View::Help ? 1 : view == View::Tools ? 2 : 0;
    window.findChild<QTabWidget*>(QStringLiteral("ucTabMain"))->setCurrentIndex(tab);
    if (tab != 0) {
        const auto panes = window.findChildren<pages::WebPane*>();
        if (!QTest::qWaitFor([&panes] {
                return std::ranges::all_of(panes, [](const pages::WebPane* pane) {
                    return !pane->isVisible() || pane->hasPage();
                });
            }))
            return {};
    }
    QApplication::processEvents();
    return window.grab().toImage();
}

double DifferingShare(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    qsizetype differing = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            differing += left.pixel(x, y) != right.pixel(x, y);
    return static_cast<double>(differing) / (static_cast<double>(left.width()) * left.height());
}

} // namespace

Q_DECLARE_METATYPE(View)

class DesignedLookTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        widgets::RegisterFontSubstitutes();
    }

    void theDesktopPaletteChangesNothing_data() {
        QTest::addColumn<View>("view");
        QTest::addColumn<QPalette>("desktop");
        const struct {
            const char* name;
            QPalette palette;
        } desktops[] = {
            {"dark", DesktopPalette(QColor(53, 53, 53), QColor(238, 238, 238))},
            {"dark blue", DesktopPalette(QColor(20, 30, 90), QColor(255, 255, 160))},
            {"sand", DesktopPalette(QColor(222, 200, 150), QColor(60, 20, 0))},
        };
        const struct {
            const char* name;
            View view;
        } views[] = {
            {"calculator", View::Calculator},
            {"help page", View::Help},
            {"recommended tools", View::Tools},
            {"About window", View::About},
        };
        for (const auto& desktop : desktops)
            for (const auto& view : views)
                QTest::addRow("%s, %s", view.name, desktop.name) << view.view << desktop.palette;
    }

    void theDesktopPaletteChangesNothing() {
        QFETCH(View, view);
        QFETCH(QPalette, desktop);
        const QPalette original = QApplication::palette();
        const QImage designed = Grab(view);
        QApplication::setPalette(desktop);
        const QImage underDesktop = Grab(view);
        QApplication::setPalette(original);

        QVERIFY(!designed.isNull() && !underDesktop.isNull());
        QCOMPARE(underDesktop.size(), designed.size());
        const double share = DifferingShare(designed, underDesktop);
        if (share > 0.01)
            underDesktop.save(QStringLiteral("designed-look-%1.png").arg(QTest::currentDataTag()));
        QVERIFY2(share <= 0.01, qPrintable(QStringLiteral("%1 % of the pixels differ; picture "
                                                          "saved in the working folder")
                                               .arg(share * 100, 0, 'f', 2)));
    }
};

QTEST_MAIN(DesignedLookTest)
#include "designed_look_test.moc"
