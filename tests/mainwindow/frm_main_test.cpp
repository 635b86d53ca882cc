// SPDX-License-Identifier: MIT
// The main window driven as a user drives it: typing, arrows, the step choice, focus
// moves, Reset, the web link, About and Quit.
#include "bind/spin_arrows.h"
#include "desktop/beep.h"
#include "tests/mainwindow/frm_main_fixture.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>

namespace {} // namespace

class FrmMainTest : public MainWindowFixture {
    Q_OBJECT

    QStringList figures() const {
        QStringList result;
        for (const calc::Result& figure : calc::kResults)
            result << text(figure.labelName);
        return result;
    }

    QStringList boxTexts() const {
        QStringList result;
        for (const calc::Box which : calc::kAllBoxes)
            result << box(calc::BoxName(which)).text();
        return result;
    }

    QAbstractButton& arrow(const char* spinName, const QString& direction) const {
        auto& arrows = find<bind::SpinArrows>(spinName);
        return direction == QLatin1String("up") ? arrows.upArrow() : arrows.downArrow();
    }

    // Pastes over the box's whole text, as a user does after clicking into it.
    void pasteInto(const char* name, const QString& text) {
        QLineEdit& edit = box(name);
        if (!edit.hasFocus())
            ClickAsUser(edit);
        edit.selectAll();
        QApplication::clipboard()->setText(text);
        QTest::keySequence(&edit, QKeySequence::Paste);
    }

private slots:
    // The worked sequence: CTR 2, impressions 1000, eCPM 3, clicks 50.
    void typingDrivesTheFigures() {
        const struct {
            const char* box;
            const char* typed;
            QStringList figures;
        } steps[] = {
            {"txtPresentCTR",
             "2",
             {"100", "2.0", "2.00%", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00"}},
            {"txtPresentImpressions",
             "1000",
             {"1000", "20.0", "2.00%", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00"}},
            {"txtECPM",
             "3",
             {"1000", "20.0", "2.00%", "$3.00", "$3.00", "$21.00", "$91.23", "$1,095.00", "$.15"}},
            {"txtPresentClicks",
             "50",
             {"1000", "50.0", "5.00%", "$3.00", "$3.00", "$21.00", "$91.23", "$1,095.00", "$.06"}},
        };
        for (const auto& step : steps) {
            typeInto(step.box, QString::fromLatin1(step.typed));
            QCOMPARE(figures(), step.figures);
        }
        QCOMPARE(box("txtPresentCTR").text(), QStringLiteral("2"));
        QVERIFY(messages->messages.empty());
    }

    // A label that sizes to its text keeps its left and top and grows to the right.
    void figureLabelsFollowTheirCaptions() {
        QLabel& yearly = find<QLabel>("lblYearlyEarnings");
        const QPoint designed = yearly.pos();
        const int startWidth = yearly.width();
        typeInto("txtPresentCTR", QStringLiteral("2"));
        typeInto("txtPresentImpressions", QStringLiteral("1000000"));
        typeInto("txtECPM", QStringLiteral("9999"));
        QCOMPARE(yearly.text(), QStringLiteral("$3,649,635,000.00"));
        QCOMPARE(yearly.pos(), designed);
        QCOMPARE(yearly.size(), yearly.sizeHint());
        QVERIFY(yearly.width() > startWidth);
    }

    void arrowsStepTheirBoxes_data() {
        QTest::addColumn<int>("stepOption");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("arrows");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("result");
        QTest::newRow("impressions up by the start step") << -1 << ""
                                                          << "updImpressions"
                                                          << "up" << 1 << "txtPresentImpressions"
                                                          << "200";
        QTest::newRow("impressions up by 1000") << 3 << ""
                                                << "updImpressions"
                                                << "up" << 1 << "txtPresentImpressions"
                                                << "1100";
        QTest::newRow("impressions up by 250, twice") << 1 << ""
                                                      << "updImpressions"
                                                      << "up" << 2 << "txtPresentImpressions"
                                                      << "600";
        QTest::newRow("impressions never below 1") << -1 << ""
                                                   << "updImpressions"
                                                   << "down" << 2 << "txtPresentImpressions"
                                                   << "1";
        QTest::newRow("clicks up") << -1 << ""
                                   << "updClicks"
                                   << "up" << 3 << "txtPresentClicks"
                                   << "3";
        QTest::newRow("CTR stays at 0 going down") << -1 << ""
                                                   << "updCTR"
                                                   << "down" << 1 << "txtPresentCTR"
                                                   << "0";
        QTest::newRow("tenths stop at 9") << -1 << ""
                                          << "updDec"
                                          << "up" << 12 << "txtDec"
                                          << "9";
        QTest::newRow("eCPM up") << -1 << ""
                                 << "updECPM"
                                 << "up" << 1 << "txtECPM"
                                 << "1";
        QTest::newRow("CTR up to 100") << -1 << "99"
                                       << "updCTR"
                                       << "up" << 2 << "txtPresentCTR"
                                       << "100";
        QTest::newRow("eCPM up to 10000") << -1 << "9999"
                                          << "updECPM"
                                          << "up" << 2 << "txtECPM"
                                          << "10000";
    }

    void arrowsStepTheirBoxes() {
        QFETCH(int, stepOption);
        QFETCH(QString, typed);
        QFETCH(QString, arrows);
        QFETCH(QString, direction);
        QFETCH(int, clicks);
        QFETCH(QString, boxName);
        QFETCH(QString, result);
        if (stepOption >= 0)
            ClickAsUser(this->stepOption(stepOption));
        if (!typed.isEmpty())
            typeInto(qPrintable(boxName), typed);
        for (int click = 0; click < clicks; ++click)
            ClickAsUser(arrow(qPrintable(arrows), direction));
        QCOMPARE(box(qPrintable(boxName)).text(), result);
        QVERIFY(messages->messages.empty());
    }

    // A step that raises a message ends the repeat that made it: an arrow or the Up key
    // held down gives one box however long it is held, and nothing steps while a box is up.
    void aHeldStepRaisesOneMessage_data() {
        QTest::addColumn<QString>("ctr");
        QTest::addColumn<QString>("pastedImpressions");
        QTest::addColumn<QString>("arrows"); // or "key": the Up key held down in the box, or
                                             // "wheel": three notches up in one turn
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("then"); // a new action after the box: "press" on the arrow
                                           // or a "notch" of the wheel, each stepping again
        QTest::addColumn<QString>("result");
        const QString overflow = QStringLiteral("txtECPM_Change Overflow VarnelCalc ");
        const QString point =
            QStringLiteral("Do not add decimal points (periods) to any of the CTR fields.");
        const struct {
            const char* name;
            const char* ctr;
            const char* impressions;
            const char* arrows;
            const char* box;
            QString message;
            const char* then = "";
            const char* result = "1";
        } rows[] = {
            {"overflow under the eCPM arrow", "5", "9e300", "updECPM", "txtECPM", overflow},
            {"overflow under the Up key", "5", "9e300", "key", "txtECPM", overflow},
            {"overflow under a turn of the wheel", "5", "9e300", "wheel", "txtECPM", overflow},
            {"decimal points under the tenths arrow", "2.5", "", "updDec", "txtDec", point},
            {"a fresh press on the arrow steps again", "5", "9e300", "updECPM", "txtECPM", overflow,
             "press", "2"},
            {"a fresh notch of the wheel steps again", "5", "9e300", "wheel", "txtECPM", overflow,
             "notch", "2"},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.ctr << row.impressions << row.arrows << row.box
                                    << row.message << row.then << row.result;
    }

    void aHeldStepRaisesOneMessage() {
        QFETCH(QString, ctr);
        QFETCH(QString, pastedImpressions);
        QFETCH(QString, arrows);
        QFETCH(QString, boxName);
        QFETCH(QString, message);
        QFETCH(QString, then);
        QFETCH(QString, result);
        typeInto("txtPresentCTR", ctr);
        if (!pastedImpressions.isEmpty()) {
            pasteInto("txtPresentImpressions", pastedImpressions);
        }
        QStringList shown;
        int open = 0;
        const auto recorder = bind::MessageBoxService::SetHook([&](const auto& box) {
            shown << box.text;
            // As a modal box does, run the event loop while the user reads it; a box
            // opened inside another returns at once, so a failure ends instead of hanging.
            if (++open == 1)
                QTest::qWait(400);
            --open;
        });
        QLineEdit& edit = box(qPrintable(boxName));
        const auto turnWheel = [&edit](int angle) {
            const QPointF centre = QRectF(edit.rect()).center();
            QWheelEvent turn(centre, edit.mapToGlobal(centre), QPoint(), QPoint(0, angle),
                             Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&edit, &turn);
        };
        if (arrows == QLatin1String("wheel")) {
            ClickAsUser(edit);
            turnWheel(360);
        } else if (arrows == QLatin1String("key")) {
            ClickAsUser(edit);
            for (int press = 0; press < 20; ++press) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), press > 0);
                QApplication::sendEvent(&edit, &key);
                QTest::qWait(30);
            }
        } else {
            QAbstractButton& up = arrow(qPrintable(arrows), QStringLiteral("up"));
            QTest::mousePress(&up, Qt::LeftButton);
            QTest::qWait(1000);
            QVERIFY(!up.isDown());
            QTest::mouseRelease(&up, Qt::LeftButton);
        }
        if (then == QLatin1String("press"))
            ClickAsUser(arrow(qPrintable(arrows), QStringLiteral("up")));
        else if (then == QLatin1String("notch"))
            turnWheel(120);
        bind::MessageBoxService::SetHook(recorder);
        QCOMPARE(shown, QStringList(then.isEmpty() ? 1 : 2, message));
        QCOMPARE(edit.text(), result);
    }

    void anArrowStepRecalculatesLikeTyping() {
        ClickAsUser(arrow("updImpressions", "up"));
        QCOMPARE(text("lblActualImpressions"), QStringLiteral("200"));
    }

    void choosingAStepChangesNoFigure() {
        const QStringList before = figures() + boxTexts();
        ClickAsUser(stepOption(3));
        QVERIFY(stepOption(3).isChecked());
        QVERIFY(!stepOption(0).isChecked());
        QCOMPARE(figures() + boxTexts(), before);
    }

    void focusEntrySelectsTheWholeText_data() {
        QTest::addColumn<bool>("byTab");
        QTest::newRow("clicked into") << false;
        QTest::newRow("tabbed into") << true;
    }

    void focusEntrySelectsTheWholeText() {
        QFETCH(bool, byTab);
        QLineEdit& clicks = box("txtPresentClicks");
        clicks.setText(QStringLiteral("1234"));
        if (byTab) {
            ClickAsUser(box("txtPresentImpressions"));
            QTest::keyClick(focused(), Qt::Key_Tab);
        } else {
            ClickAsUser(clicks, QPoint(clicks.width() - 5, clicks.height() / 2));
        }
        QCOMPARE(focused(), &clicks);
        QCOMPARE(clicks.selectedText(), QStringLiteral("1234"));
    }

    // Every way of leaving a box that was left empty: the box is refilled (with a warning
    // for two of them) and keeps the focus, and the click or key that tried to leave does
    // nothing. Leaving once more then works, without a second warning.
    void leavingAnEmptyBox_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("refill");
        QTest::addColumn<bool>("refillSelected");
        QTest::addColumn<QString>("way");
        const struct {
            const char* box;
            const char* warning;
            const char* refill;
            bool selected;
        } boxes[] = {
            {"txtPresentImpressions", "Must enter at least 1 Impression", "100", true},
            {"txtECPM", "You must enter a US Dollar amount", "0", true},
            {"txtPresentClicks", "", "0", false},
            {"txtPresentCTR", "", "0", false},
            {"txtDec", "", "00", false},
        };
        const char* ways[] = {"Tab",         "Shift+Tab",  "click on another box",
                              "click Reset", "click step", "click arrow",
                              "Alt+H",       "click tab",  "focus moved by the program"};
        for (const auto& b : boxes) {
            for (const char* way : ways)
                QTest::addRow("%s, %s", b.box, way)
                    << b.box << b.warning << b.refill << b.selected << way;
        }
    }

    void leavingAnEmptyBox() {
        QFETCH(QString, boxName);
        QFETCH(QString, warning);
        QFETCH(QString, refill);
        QFETCH(bool, refillSelected);
        QFETCH(QString, way);
        // A figure elsewhere that a Reset would put back.
        const char* witness = boxName == QLatin1String("txtECPM") ? "txtPresentClicks" : "txtECPM";
        typeInto(witness, QStringLiteral("7"));
        QLineEdit& edit = box(qPrintable(boxName));
        typeInto(qPrintable(boxName), QString());
        QCOMPARE(edit.text(), QString());
        const QString clicks = box("txtPresentClicks").text();

        if (way == QLatin1String("Tab"))
            QTest::keyClick(&edit, Qt::Key_Tab);
        else if (way == QLatin1String("Shift+Tab"))
            QTest::keyClick(&edit, Qt::Key_Backtab, Qt::ShiftModifier);
        else if (way == QLatin1String("click on another box"))
            ClickAsUser(box(boxName == QLatin1String("txtDec") ? "txtECPM" : "txtDec"));
        else if (way == QLatin1String("click Reset"))
            ClickAsUser(find<QPushButton>("cmdReset"));
        else if (way == QLatin1String("click step"))
            ClickAsUser(stepOption(2));
        else if (way == QLatin1String("click arrow"))
            ClickAsUser(arrow("updClicks", "up"));
        else if (way == QLatin1String("Alt+H"))
            QTest::keyClick(&edit, Qt::Key_H, Qt::AltModifier);
        else if (way == QLatin1String("click tab"))
            ClickAsUser(*tabs().tabBar(), tabs().tabBar()->tabRect(2).center());
        else if (way == QLatin1String("focus moved by the program"))
            find("cmdQuit").setFocus();
        // A move nobody asked about beforehand is checked once it has settled.
        QCoreApplication::processEvents();

        QCOMPARE(messages->texts(), warning.isEmpty() ? QStringList() : QStringList{warning});
        if (!warning.isEmpty())
            QCOMPARE(messages->messages[0].icon, QMessageBox::Warning);
        QCOMPARE(edit.text(), refill);
        QCOMPARE(edit.selectedText(), refillSelected ? refill : QString());
        QCOMPARE(focused(), &edit);
        QCOMPARE(tabs().currentIndex(), 0);
        QCOMPARE(box(witness).text(), QStringLiteral("7"));
        QVERIFY(stepOption(0).isChecked());
        QCOMPARE(box("txtPresentClicks").text(),
                 boxName == QLatin1String("txtPresentClicks") ? refill : clicks);

        QTest::keyClick(&edit, Qt::Key_Tab);
        QVERIFY(focused() != &edit);
        QCOMPARE(messages->messages.size(), warning.isEmpty() ? 0u : 1u);
    }

    void aBoxWithLettersLetsTheFocusGo() {
        typeInto("txtPresentClicks", QStringLiteral("12a"));
        QCOMPARE(messages->texts(),
                 QStringList{QStringLiteral("No Letters or Special Characters. Numbers Only.")});
        QCOMPARE(box("txtPresentClicks").selectedText(), QStringLiteral("12a"));
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), &box("txtPresentCTR"));
        QCOMPARE(messages->messages.size(), 1u);
    }

    void resetPutsTheStartFiguresBack() {
        ClickAsUser(stepOption(1));
        typeInto("txtPresentCTR", QStringLiteral("2"));
        typeInto("txtDec", QStringLiteral("5"));
        typeInto("txtPresentImpressions", QStringLiteral("1000"));
        typeInto("txtECPM", QStringLiteral("2"));
        QCOMPARE(text("lblEPC"), QStringLiteral("$.08"));
        ClickAsUser(find<QPushButton>("cmdReset"));
        QCOMPARE(boxTexts(), (QStringList{"100", "0", "0", "0", "0"}));
        for (const char* earnings : {"lblDailyEarnings", "lblWeeklyEarnings", "lblMonthlyEarnings",
                                     "lblYearlyEarnings", "lblEPC"})
            QCOMPARE(text(earnings), QStringLiteral("$0.00"));
        QCOMPARE(text("lblActualImpressions"), QStringLiteral("100"));
        QVERIFY(stepOption(1).isChecked());
        ClickAsUser(arrow("updImpressions", "up"));
        QCOMPARE(box("txtPresentImpressions").text(), QStringLiteral("350"));
    }

    void typingLimits_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("result");
        QTest::newRow("impressions take 7") << "txtPresentImpressions"
                                            << "1234567";
        QTest::newRow("clicks take 5") << "txtPresentClicks"
                                       << "12345";
        QTest::newRow("CTR takes 3, at most 100") << "txtPresentCTR"
                                                  << "100";
        QTest::newRow("tenths take 1") << "txtDec"
                                       << "1";
        QTest::newRow("eCPM takes 7") << "txtECPM"
                                      << "1234567";
    }

    void typingLimits() {
        QFETCH(QString, boxName);
        QFETCH(QString, result);
        typeInto(qPrintable(boxName), QStringLiteral("123456789"));
        QCOMPARE(box(qPrintable(boxName)).text(), result);
    }

    // A paste goes in whole, blanks taking no room, or not at all: never cut into another
    // figure. A refused paste beeps.
    void pasting_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("beeps");
        QTest::newRow("grouped by blanks") << "txtPresentImpressions"
                                           << "1 000 000"
                                           << "1000000" << 0;
        QTest::newRow("grouped, too long for the clicks") << "txtPresentClicks"
                                                          << "1 000 000"
                                                          << "0" << 1;
        QTest::newRow("one digit too many") << "txtPresentImpressions"
                                            << "12345678"
                                            << "100" << 1;
        QTest::newRow("first of several lines") << "txtPresentClicks"
                                                << "250\r\n17"
                                                << "250" << 0;
    }

    void pasting() {
        QFETCH(QString, boxName);
        QFETCH(QString, clipboard);
        QFETCH(QString, result);
        QFETCH(int, beeps);
        int beeped = 0;
        const auto beeper = desktop::SetBeeper([&] { ++beeped; });
        pasteInto(qPrintable(boxName), clipboard);
        desktop::SetBeeper(beeper);
        QCOMPARE(box(qPrintable(boxName)).text(), result);
        QCOMPARE(beeped, beeps);
        QVERIFY(messages->messages.empty());
    }

    // The clicks arrows reach 100000, one digit more than can be typed: it is kept whole.
    void arrowsWriteWhatCannotBeTyped() {
        typeInto("txtPresentClicks", QStringLiteral("99999"));
        ClickAsUser(arrow("updClicks", "up"));
        QCOMPARE(box("txtPresentClicks").text(), QStringLiteral("100000"));
    }

    void theWebLinkOpensTheHomeAddress() {
        ClickAsUser(find("lblWebLink"));
        QCOMPARE(openedLinks.size(), 1u);
        QCOMPARE(openedLinks[0].address, QStringLiteral("http://www.varnelcalc.example"));
        QCOMPARE(openedLinks[0].ownerWindow, QString::number(window->winId()));
    }

    void theCopyrightLineAroundTheLinkOpensNothing() {
        ClickAsUser(find("lblCopyRight"), QPoint(60, 8));
        QVERIFY(openedLinks.empty());
    }

    void aboutOpensAFreshModalWindowEachTime() {
        for (int opening = 0; opening < 2; ++opening) {
            QString caption;
            bool modal = false;
            QWidget* owner = nullptr;
            QTimer::singleShot(0, [&] {
                auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!about)
                    return;
                caption = about->windowTitle();
                modal = about->isModal();
                owner = about->parentWidget();
                about->reject();
            });
            ClickAsUser(find<QPushButton>("cmdAbout"));
            QCOMPARE(caption, QStringLiteral("About Varnel Interactive Calculator"));
            QVERIFY(modal);
            QCOMPARE(owner, window.get());
            QVERIFY(!window->findChild<QDialog*>(QStringLiteral("frmAbout")));
        }
    }

    void quitClosesTheWindowWithoutAsking() {
        typeInto("txtECPM", QStringLiteral("5"));
        ClickAsUser(find<QPushButton>("cmdQuit"));
        QVERIFY(!window->isVisible());
        QVERIFY(messages->messages.empty());
    }

    void altKeysSelectTheTabs_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("tab");
        QTest::newRow("Alt+H") << Qt::Key_H << 1;
        QTest::newRow("Alt+R") << Qt::Key_R << 2;
    }

    void altKeysSelectTheTabs() {
        QFETCH(Qt::Key, key);
        QFETCH(int, tab);
        QTest::keyClick(focused(), key, Qt::AltModifier);
        QCOMPARE(tabs().currentIndex(), tab);
        QTest::keyClick(window.get(), Qt::Key_V, Qt::AltModifier);
        QCOMPARE(tabs().currentIndex(), 0);
        QCOMPARE(focused(), &box("txtPresentImpressions"));
    }
};

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
