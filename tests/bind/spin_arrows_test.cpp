// SPDX-License-Identifier: MIT
#include "bind/line_edit_box.h"
#include "bind/spin_arrows.h"
#include "calc/spin_button.h"
#include "tests/support/user_input.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <memory>

// A box with its arrows, stepping from 0 to 9 as the tenths box does.
class SpinArrowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window_;
    QLineEdit* edit_ = nullptr;
    std::unique_ptr<bind::LineEditBox> box_;
    unsigned messagesShown_ = 0; // no calculator here: no step shows a message
    std::unique_ptr<calc::SpinButton> spin_;
    bind::SpinArrows* arrows_ = nullptr;

    QString text() const { return edit_->text(); }

private slots:
    void init() {
        window_ = std::make_unique<QWidget>();
        window_->resize(120, 40);
        edit_ = new QLineEdit(QStringLiteral("0"), window_.get());
        edit_->setObjectName(QStringLiteral("txtDec"));
        edit_->setGeometry(20, 5, 60, 27);
        box_ = std::make_unique<bind::LineEditBox>(*edit_, 1);
        spin_ = std::make_unique<calc::SpinButton>(*box_, messagesShown_, 0, 0, 9, 1);
        arrows_ = new bind::SpinArrows(*spin_, QStringLiteral("CTR tenths"), window_.get());
        arrows_->setGeometry(4, 5, 17, 27);
        arrows_->takeArrowKeysOf(*edit_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        window_.reset();
        spin_.reset();
        box_.reset();
    }

    void arrowsWriteTheSteppedValueIntoTheBox() {
        ClickAsUser(arrows_->upArrow());
        QCOMPARE(text(), QStringLiteral("1"));
        ClickAsUser(arrows_->upArrow());
        QCOMPARE(text(), QStringLiteral("2"));
        ClickAsUser(arrows_->downArrow());
        QCOMPARE(text(), QStringLiteral("1"));
    }

    void arrowsStopAtTheirBounds() {
        ClickAsUser(arrows_->downArrow());
        QCOMPARE(text(), QStringLiteral("0"));
        edit_->setText(QStringLiteral("9"));
        ClickAsUser(arrows_->upArrow());
        QCOMPARE(text(), QStringLiteral("9"));
    }

    void upAndDownKeysInTheBoxStep() {
        QTest::keyClick(edit_, Qt::Key_Up);
        QTest::keyClick(edit_, Qt::Key_Up);
        QCOMPARE(text(), QStringLiteral("2"));
        QTest::keyClick(edit_, Qt::Key_Down);
        QCOMPARE(text(), QStringLiteral("1"));
    }

    void anArrowHeldDownRepeats() {
        QTest::mousePress(&arrows_->upArrow(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(text(), QStringLiteral("9"), 5000);
        QTest::mouseRelease(&arrows_->upArrow(), Qt::LeftButton);
    }

    void eachArrowIsAButtonThatAScreenReaderCanPress() {
        for (auto [arrow, name, result] :
             {std::tuple(&arrows_->upArrow(), "CTR tenths up", "1"),
              std::tuple(&arrows_->downArrow(), "CTR tenths down", "0")}) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(arrow);
            QVERIFY(accessible);
            QCOMPARE(accessible->role(), QAccessible::Button);
            QCOMPARE(accessible->text(QAccessible::Name), QString::fromLatin1(name));
            accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(text(), QString::fromLatin1(result));
        }
    }
};

QTEST_MAIN(SpinArrowsTest)
#include "spin_arrows_test.moc"
