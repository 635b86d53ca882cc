// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/open_link.h"
#include "mainwindow/frm_main.h"
#include "tests/support/user_input.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <vector>

// A fresh main window for each test, shown and active, with message boxes recorded and
// outside addresses caught instead of opened.
class MainWindowFixture : public QObject {
    Q_OBJECT

protected:
    struct OpenedLink {
        QString address;
        QString ownerWindow;
    };

    std::unique_ptr<mainwindow::frmMain> window;
    std::unique_ptr<MessageRecorder> messages;
    std::vector<OpenedLink> openedLinks;

    template <typename Widget = QWidget> Widget& find(const char* name) const {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control named %s", name);
        return *widget;
    }
    QLineEdit& box(const char* name) const { return find<QLineEdit>(name); }
    QString text(const char* name) const { return find<QLabel>(name).text(); }
    QTabWidget& tabs() const { return find<QTabWidget>("ucTabMain"); }

    QRadioButton& stepOption(int index) const {
        for (auto* option : window->findChildren<QRadioButton*>(QStringLiteral("optIncrement"))) {
            if (option->property("index").toInt() == index)
                return *option;
        }
        qFatal("no step option %d", index);
    }

    // Clicks into the box, which selects its text, and types over it.
    void typeInto(const char* name, const QString& typed) {
        QLineEdit& edit = box(name);
        if (!edit.hasFocus())
            ClickAsUser(edit);
        edit.selectAll();
        if (typed.isEmpty())
            QTest::keyClick(&edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(&edit, typed);
    }

    QWidget* focused() const { return QApplication::focusWidget(); }

private:
    mAPI::LinkOpener previousOpener_;

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        widgets::RegisterFontSubstitutes();
        previousOpener_ = mAPI::SetLinkOpener([this](const QString& address, const QString& owner) {
            openedLinks.push_back({address, owner});
        });
    }

    void cleanupTestCase() { mAPI::SetLinkOpener(previousOpener_); }

    void init() {
        messages = std::make_unique<MessageRecorder>();
        openedLinks.clear();
        window = std::make_unique<mainwindow::frmMain>();
        window->show();
        // Without a window manager (as under Xvfb) nobody activates a new window but itself.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup() {
        window.reset();
        messages.reset();
    }
};
