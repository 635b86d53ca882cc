// SPDX-License-Identifier: MIT
#include "bind/message_box_service.h"
#include "desktop/title_room.h"
#include "tests/support/user_input.h"

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
        bind::MessageBoxService service(nullptr);
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
        bind::MessageBoxService(&owner).show("Text", icon, "Title");
        QCOMPARE(seen.icon, shown);
        QCOMPARE(seen.title, QStringLiteral("Title"));
        QCOMPARE(seen.text, QStringLiteral("Text"));
        QCOMPARE(seen.parent, &owner);
        QCOMPARE(seen.buttons, 1);
    }

    // A box is as wide as its whole title needs in the title bar, and under a desktop
    // palette it takes that palette throughout, never a mix with the windows' design.
    void aBoxShowsItsWholeTitleInOnePalette_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("dark");
        QTest::newRow("short text, the program's title")
            << "Varnel Interactive Calculator"
            << "Must enter at least 1 Impression" << false;
        QTest::newRow("one word") << "Varnel Interactive Calculator"
                                  << "OK?" << false;
        QTest::newRow("a long title")
            << "Varnel Interactive Calculator: the page you asked for is not in the program"
            << "Unknown id" << false;
        QTest::newRow("long text, short title")
            << "Note" << QString(QStringLiteral("Numbers only. ")).repeated(6) << false;
        QTest::newRow("under a dark palette") << "Varnel Interactive Calculator"
                                              << "Must enter at least 1 Impression" << true;
    }

    void aBoxShowsItsWholeTitleInOnePalette() {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(bool, dark);
        const QPalette original = QApplication::palette();
        if (dark)
            QApplication::setPalette(QPalette(QColor(53, 53, 53)));
        QWidget owner;
        owner.show();
        int width = 0;
        QPalette palette;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            width = box->width();
            palette = box->palette();
            box->button(QMessageBox::Ok)->click();
        });
        bind::MessageBoxService(&owner).show(text.toStdString(), calc::MessageIcon::Warning,
                                             title.toStdString());
        QApplication::setPalette(original);

        QVERIFY2(
            width >= desktop::TitleBarWidth(title),
            qPrintable(QStringLiteral("%1 < %2").arg(width).arg(desktop::TitleBarWidth(title))));
        const QPalette desktop = dark ? QPalette(QColor(53, 53, 53)) : original;
        for (const QPalette::ColorRole role :
             {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText,
              QPalette::Base, QPalette::Text})
            QCOMPARE(palette.color(role), desktop.color(role));
    }
};

QTEST_MAIN(MessageBoxServiceTest)
#include "message_box_service_test.moc"
