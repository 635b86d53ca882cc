// SPDX-License-Identifier: MIT
#include "about/frm_about.h"
#include "desktop/open_link.h"
#include "desktop/title_room.h"
#include "tests/support/user_input.h"
#include "widgets/fonts.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <memory>
#include <tuple>
#include <vector>

// What the real link opener hands the desktop, caught before a browser or mail program starts.
class DesktopCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

class FrmAboutTest : public QObject {
    Q_OBJECT

    struct OpenedLink {
        QString address;
        QString ownerWindow;
    };

    std::unique_ptr<QWidget> owner_;
    std::unique_ptr<about::frmAbout> about_;
    std::vector<OpenedLink> opened_;
    mAPI::LinkOpener previousOpener_;

    template <typename Widget = QWidget> Widget& find(const char* name) const {
        auto* widget = about_->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control named %s", name);
        return *widget;
    }

private slots:
    void initTestCase() {
        widgets::RegisterFontSubstitutes();
        previousOpener_ = mAPI::SetLinkOpener([this](const QString& address, const QString& owner) {
            opened_.push_back({address, owner});
        });
    }

    void cleanupTestCase() { mAPI::SetLinkOpener(previousOpener_); }

    void init() {
        opened_.clear();
        owner_ = std::make_unique<QWidget>();
        owner_->setGeometry(100, 100, 656, 510);
        owner_->show();
        about_ = std::make_unique<about::frmAbout>(owner_.get());
        about_->open();
        about_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(about_.get()));
    }

    void cleanup() {
        about_.reset();
        owner_.reset();
    }

    void texts() {
        QCOMPARE(about_->windowTitle(), QStringLiteral("About Varnel Interactive Calculator"));
        QCOMPARE(find<QLabel>("lblVersion").text(), QStringLiteral("Version: 1.00; build: 85"));
        QCOMPARE(find<QLabel>("lblWebLink").text(), QStringLiteral("www.varnelcalc.example"));
        QCOMPARE(find<QLabel>("lblEmailLink").text(), QStringLiteral("support@varnelcalc.example"));
        QCOMPARE(find<QPushButton>("cmdOK").text(), QStringLiteral("OK"));
        QStringList name;
        for (auto* part : about_->findChildren<QLabel*>(QStringLiteral("lblVarnel")))
            name << part->text();
        QCOMPARE(name, (QStringList{"Varnel", "Interactive Calculator"}));
        QVERIFY(find<QLabel>("lblDisclaimer").text().endsWith(QStringLiteral(" to")));
        QVERIFY(!find<QLabel>("lblDisclaimer2").text().isEmpty());
    }

    void aFixedModalDialogCentredOverItsOwner() {
        QVERIFY(about_->isModal());
        QCOMPARE(about_->height(), 263);
        QCOMPARE(about_->width(), std::max(343, desktop::TitleBarWidth(about_->windowTitle())));
        QCOMPARE(about_->minimumSize(), about_->maximumSize());
        QVERIFY(!(about_->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(about_->windowFlags() & Qt::WindowMinimizeButtonHint));
        // Centred as the user sees the windows, frames included (a dialog's frame differs from
        // a main window's on Windows); within a pixel, as the sizes are not both even.
        QVERIFY2((about_->frameGeometry().center() - owner_->frameGeometry().center())
                         .manhattanLength() <= 2,
                 qPrintable(QStringLiteral("About centred at %1,%2, owner at %3,%4")
                                .arg(about_->frameGeometry().center().x())
                                .arg(about_->frameGeometry().center().y())
                                .arg(owner_->frameGeometry().center().x())
                                .arg(owner_->frameGeometry().center().y())));
        QCOMPARE(about_->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(!about_->windowIcon().isNull());
    }

    void placesAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::newRow("cmdOK") << "cmdOK" << QRect(136, 232, 84, 23);
        QTest::newRow("lblEmailLink") << "lblEmailLink" << QRect(8, 100, 209, 17);
        QTest::newRow("lblWebLink") << "lblWebLink" << QRect(123, 74, 161, 17);
        QTest::newRow("lblDisclaimer2") << "lblDisclaimer2" << QRect(8, 136, 328, 86);
        QTest::newRow("Image1") << "Image1" << QRect(0, 8, 64, 64);
        QTest::newRow("lblVersion") << "lblVersion" << QRect(64, 45, 267, 15);
        QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(8, 74, 328, 59);
        QTest::newRow("Line1") << "Line1" << QRect(8, 224, 329, 1);
    }

    // In the designed 343 pixels, which stand in the middle of a window widened for its title.
    void placesAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        const int designLeft = (about_->width() - 343) / 2;
        QRect designed = place.translated(designLeft, 0);
        // Where a stand-in draws the copyright, the web link follows it (below).
        if (name == QLatin1String("lblWebLink") && widgets::IsStandIn(find("lblDisclaimer").font()))
            designed.moveLeft(find(qPrintable(name)).x());
        QCOMPARE(find(qPrintable(name)).geometry(), designed);
    }

    // Not the gap the designed fonts' wider texts would fill: a blank after the name's first
    // part and after the copyright, where a stand-in font draws them.
    void aBlankFollowsTextsInStandInFonts() {
        const auto name = about_->findChildren<QLabel*>(QStringLiteral("lblVarnel"));
        const auto& copyright = find<QLabel>("lblDisclaimer");
        const std::tuple<const QLabel&, QString, const QWidget&> pairs[] = {
            {*name[0], name[0]->text(), *name[1]},
            {copyright, copyright.text().section(u'\n', 0, 0), find("lblWebLink")}};
        for (const auto& [before, text, after] : pairs) {
            if (!widgets::IsStandIn(before.font()))
                QSKIP("the designed fonts are installed");
            const int gap = after.x() - before.x() - before.fontMetrics().horizontalAdvance(text);
            QVERIFY2(gap > 0 && gap <= 2 * before.fontMetrics().horizontalAdvance(u' '),
                     qPrintable(QStringLiteral("%1 pixels after %2").arg(gap).arg(text)));
        }
    }

    // The links stand above the text they lie over.
    void linksAreDrawnAboveTheDisclaimer() {
        QCOMPARE(about_->childAt(find("lblWebLink").geometry().center()), &find("lblWebLink"));
        QCOMPARE(about_->childAt(find("lblEmailLink").geometry().center()), &find("lblEmailLink"));
    }

    // Read as the eye reads it: each link's text where the link lies over the disclaimer.
    void readersReadTheLinksInPlace() {
        const QStringList lines = find<QLabel>("lblDisclaimer").text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&find("lblDisclaimer"));
        QCOMPARE(read->text(QAccessible::Name), lines[0] + ' ' + find<QLabel>("lblWebLink").text() +
                                                    '\n' + lines[1] + ' ' +
                                                    find<QLabel>("lblEmailLink").text());
    }

    void theWebLinkOpensTheHomeAddress() {
        ClickAsUser(find("lblWebLink"));
        QCOMPARE(opened_.size(), 1u);
        QCOMPARE(opened_[0].address, QStringLiteral("http://www.varnelcalc.example"));
        QCOMPARE(opened_[0].ownerWindow, QString::number(about_->winId()));
    }

    void theMailLinkStartsABugReport() {
        ClickAsUser(find("lblEmailLink"));
        QCOMPARE(opened_.size(), 1u);
        QCOMPARE(opened_[0].address, QStringLiteral("mailto:support@varnelcalc.example?subject="
                                                    "Varnel Interactive Calculator Bug Report"));
        QCOMPARE(opened_[0].ownerWindow, QString::number(about_->winId()));
    }

    void theDesktopGetsEachAddressWhole_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("address");
        QTest::newRow("web") << "lblWebLink"
                             << "http"
                             << "http://www.varnelcalc.example";
        QTest::newRow("mail, blanks in the subject")
            << "lblEmailLink"
            << "mailto"
            << "mailto:support@varnelcalc.example?subject=Varnel Interactive Calculator Bug Report";
    }

    void theDesktopGetsEachAddressWhole() {
        QFETCH(QString, label);
        QFETCH(QString, scheme);
        QFETCH(QString, address);
        DesktopCatcher desktop;
        QDesktopServices::setUrlHandler(scheme, &desktop, "open");
        const mAPI::LinkOpener recorder = mAPI::SetLinkOpener(previousOpener_);
        ClickAsUser(find(qPrintable(label)));
        mAPI::SetLinkOpener(recorder);
        QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(desktop.urls.size(), 1);
        QVERIFY(desktop.urls[0].isValid());
        QCOMPARE(desktop.urls[0].toString(), address);
    }

    void closes_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "OK";
        QTest::newRow("Enter") << "Enter";
        QTest::newRow("Esc") << "Esc";
    }

    void closes() {
        QFETCH(QString, how);
        if (how == QLatin1String("OK"))
            ClickAsUser(find("cmdOK"));
        else
            QTest::keyClick(about_.get(),
                            how == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
        QVERIFY(!about_->isVisible());
        QVERIFY(opened_.empty());
    }

    void okHasTheFocusAndTabReachesTheLinks() {
        QCOMPARE(QApplication::focusWidget(), &find("cmdOK"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &find("lblWebLink"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &find("lblEmailLink"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(opened_.size(), 1u);
        QVERIFY(opened_[0].address.startsWith(QStringLiteral("mailto:")));
    }
};

QTEST_MAIN(FrmAboutTest)
#include "frm_about_test.moc"
