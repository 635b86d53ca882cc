// SPDX-License-Identifier: MIT
// What a screen reader learns from the main window: roles and names, the labels of the
// figures, spin boxes that tell their steps, the step choice as a group, Enter on buttons.
#include "frm_main_fixture.h"

#include <QAccessible>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// Accessibility events raised while it lives, as a screen reader would receive them.
class AccessibleEventLog {
public:
    AccessibleEventLog() {
        instance_ = this;
        QAccessible::installUpdateHandler(&AccessibleEventLog::record);
    }
    ~AccessibleEventLog() {
        QAccessible::installUpdateHandler(nullptr);
        instance_ = nullptr;
    }
    AccessibleEventLog(const AccessibleEventLog&) = delete;
    AccessibleEventLog& operator=(const AccessibleEventLog&) = delete;

    int count(const QObject* object, QAccessible::Event type) const {
        return int(std::count(events_.begin(), events_.end(), std::pair{object, type}));
    }

private:
    static void record(QAccessibleEvent* event) {
        if (instance_)
            instance_->events_.emplace_back(event->object(), event->type());
    }

    static inline AccessibleEventLog* instance_ = nullptr;
    std::vector<std::pair<const QObject*, QAccessible::Event>> events_;
};

} // namespace

class FrmMainAccessibleTest : public MainWindowFixture {
    Q_OBJECT

    QAccessibleInterface* accessible(const QString& name) const {
        QObject* object = name == QLatin1String("frmMain") ? window.get() : &find(qPrintable(name));
        return QAccessible::queryAccessibleInterface(object);
    }

    QRadioButton& stepOption(int index) const {
        for (auto* option : window->findChildren<QRadioButton*>(QStringLiteral("optIncrement"))) {
            if (option->property("index").toInt() == index)
                return *option;
        }
        qFatal("no step option %d", index);
    }

private slots:
    void rolesAndNames_data() {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("spokenName");
        QTest::newRow("the window")
            << "frmMain" << QAccessible::Window << "Varnel Interactive Calculator 1.00; build: 85";
        QTest::newRow("header") << "picHeader" << QAccessible::Graphic
                                << "Varnel Interactive Calculator";
        QTest::newRow("typed column") << "fmContainer1" << QAccessible::Grouping << "Unadjusted";
        QTest::newRow("actual column")
            << "fmContainer2" << QAccessible::Grouping << "Actual Numbers";
        QTest::newRow("earnings column") << "fraEarnings" << QAccessible::Grouping << "Earnings";
        QTest::newRow("impressions box")
            << "txtPresentImpressions" << QAccessible::SpinBox << "Impressions:";
        QTest::newRow("tenths box") << "txtDec" << QAccessible::SpinBox << "CTR tenths:";
        QTest::newRow("eCPM box") << "txtECPM" << QAccessible::SpinBox << "eCPM ($):";
    }

    void rolesAndNames() {
        QFETCH(QString, objectName);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, spokenName);
        QAccessibleInterface* interface = accessible(objectName);
        QVERIFY(interface);
        QCOMPARE(interface->role(), role);
        QCOMPARE(interface->text(QAccessible::Name), spokenName);
    }

    void theHeaderCarriesTheTagline() {
        QCOMPARE(accessible("picHeader")->text(QAccessible::Description),
                 QStringLiteral("Impressions, click-through rate, clicks and eCPM: see what a "
                                "day, a week, a month and a year can earn."));
    }

    void tabPagesGoByTheirTabs() {
        const QStringList names = {"Varnel Calculator", "Quick Help", "Recommended Tools"};
        for (int tab = 0; tab < tabs().count(); ++tab) {
            QAccessibleInterface* page = QAccessible::queryAccessibleInterface(tabs().widget(tab));
            QCOMPARE(page->role(), QAccessible::PageTab);
            QCOMPARE(page->text(QAccessible::Name), names[tab]);
        }
    }
};

QTEST_MAIN(FrmMainAccessibleTest)
#include "frm_main_accessible_test.moc"
