// SPDX-License-Identifier: MIT
#include "message_box_service.h"
#include "user_input.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(calc::MessageIcon)

class MessageBoxServiceTest : public QObject {
    Q_OBJECT

private slots:
    void aHookTakesTheBoxesInsteadOfTheScreen() {
        MessageRecorder recorder;
        mAPI::MessageBoxService service(nullptr);
        service.show("Must enter at least 1 Impression", calc::MessageIcon::Warning,
                     "Varnel Interactive Calculator");
        QCOMPARE(recorder.messages.size(), 1u);
        QCOMPARE(recorder.messages[0].text, QStringLiteral("Must enter at least 1 Impression"));
        QCOMPARE(recorder.messages[0].icon, QMessageBox::Warning);
        QCOMPARE(recorder.messages[0].title, QStringLiteral("Varnel Interactive Calculator"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void withoutAHookAModalBoxWithOneOkButtonIsShown_data() {
        QTest::addColumn<calc::MessageIcon>("icon");
        QTest::addColumn<QMessageBox::Icon>("shown");
        QTest::newRow("warning") << calc::MessageIcon::Warning << QMessageBox::Warning;
        QTest::newRow("information") << calc::MessageIcon::Information << QMessageBox::Information;
    }

    void withoutAHookAModalBoxWithOneOkButtonIsShown() {
        QFETCH(calc::MessageIcon, icon);
        QFETCH(QMessageBox::Icon, shown);
        QWidget owner;
        owner.show();
        struct {
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QString title, text;
            QWidget* parent = nullptr;
            qsizetype buttons = 0;
        } seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = {box->icon(), box->windowTitle(), box->text(), box->parentWidget(),
                    box->buttons().size()};
            box->button(QMessageBox::Ok)->click();
        });
        mAPI::MessageBoxService(&owner).show("Text", icon, "Title");
        QCOMPARE(seen.icon, shown);
        QCOMPARE(seen.title, QStringLiteral("Title"));
        QCOMPARE(seen.text, QStringLiteral("Text"));
        QCOMPARE(seen.parent, &owner);
        QCOMPARE(seen.buttons, 1);
    }
};

QTEST_MAIN(MessageBoxServiceTest)
#include "message_box_service_test.moc"
