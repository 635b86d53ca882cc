// SPDX-License-Identifier: MIT
#include "widgets/fitting_label.h"
#include "widgets/fonts.h"

#include <QAccessible>
#include <QFrame>
#include <QImage>
#include <QTest>
#include <memory>

// A figure label 13 pixels into a boxed frame, in the figures' font, as in the Earnings column.
class FittingLabelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QFrame> frame_;
    widgets::FittingLabel* label_ = nullptr;

    const QFont designFont_ = widgets::DesignFont(widgets::kVerdana, 9.75, QFont::Bold);

    int innerEdge() const { return frame_->contentsRect().right() + 1; }
    int room() const { return innerEdge() - label_->x(); }
    int naturalWidth(const QString& caption, qreal points) const {
        QFont font = designFont_;
        font.setPointSizeF(points);
        QLabel probe(caption);
        probe.setFont(font);
        return probe.sizeHint().width();
    }

    // The text the label shows on screen: the caption, or its start ending in "…", whichever
    // a plain label of the same font and size draws pixel for pixel; empty if neither.
    QString drawnText(const QString& caption) const {
        const QImage drawn = label_->grab().toImage();
        QLabel probe(frame_.get());
        probe.setTextFormat(Qt::PlainText);
        probe.setFont(label_->font());
        probe.setGeometry(label_->geometry());
        for (qsizetype length = caption.size(); length > 0; --length) {
            probe.setText(length == caption.size() ? caption
                                                   : caption.left(length) + QChar(0x2026));
            if (probe.grab().toImage() == drawn)
                return probe.text();
        }
        return {};
    }

private slots:
    void initTestCase() { widgets::RegisterFontSubstitutes(); }

    void init() {
        frame_ = std::make_unique<QFrame>();
        frame_->setFrameStyle(QFrame::Box | QFrame::Sunken);
        frame_->resize(163, 225);
        label_ = new widgets::FittingLabel(designFont_, frame_.get());
        label_->move(13, 31);
        frame_->show();
    }

    void cleanup() { frame_.reset(); }

    void aCaptionIsNeverDrawnPastTheFrame_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("drawn");
        // The frame as built, or made just as wide as the caption needs at its designed size
        // ("design") or at the largest smaller size at which it is narrower ("smaller").
        QTest::addColumn<QString>("fitTo");
        QTest::newRow("a start figure") << "$0.00"
                                        << "as designed"
                                        << "";
        QTest::newRow("a long figure that just fits") << "$1,095,000,000.00"
                                                      << "as designed"
                                                      << "";
        QTest::newRow("a yearly amount one digit too long") << "$364,996,313,500.37"
                                                            << "smaller"
                                                            << "";
        QTest::newRow("the largest yearly amount") << "$36,499,992,700,000.36"
                                                   << "smaller"
                                                   << "";
        QTest::newRow("wider than the smallest size allows")
            << "$1,000,000,000,000,000,000,000,000,000.00"
            << "elided"
            << "";
        QTest::newRow("exactly as wide as the room") << "$1,095,000.00"
                                                     << "as designed"
                                                     << "design";
        QTest::newRow("fits one size smaller") << "$1,095,000.00"
                                               << "smaller"
                                               << "smaller";
    }

    void aCaptionIsNeverDrawnPastTheFrame() {
        QFETCH(QString, caption);
        QFETCH(QString, drawn);
        QFETCH(QString, fitTo);
        // Sizes a quarter point apart may round to the same pixels.
        qreal roomFor = designFont_.pointSizeF();
        if (fitTo == QLatin1String("smaller")) {
            const int designed = naturalWidth(caption, roomFor);
            while (naturalWidth(caption, roomFor) == designed)
                roomFor -= 0.25;
        }
        if (!fitTo.isEmpty()) {
            const int width = naturalWidth(caption, roomFor);
            frame_->resize(frame_->width() + width - room(), frame_->height());
            QCOMPARE(room(), width);
        }
        label_->showCaption(caption);

        QCOMPARE(label_->text(), caption);
        QCOMPARE(label_->pos(), QPoint(13, 31));
        QVERIFY2(label_->geometry().right() < innerEdge(),
                 qPrintable(QStringLiteral("ends at %1").arg(label_->geometry().right())));
        const qreal points = label_->font().pointSizeF();
        if (drawn == QLatin1String("as designed")) {
            QCOMPARE(label_->font(), designFont_);
            QCOMPARE(label_->size(), label_->sizeHint());
            QCOMPARE(label_->toolTip(), QString());
            QCOMPARE(drawnText(caption), caption);
        } else if (drawn == QLatin1String("smaller")) {
            // The largest size that fits: a quarter point more would not.
            QVERIFY(points < designFont_.pointSizeF());
            QVERIFY(points >= widgets::FittingLabel::kSmallestPoints);
            QVERIFY(naturalWidth(caption, points) <= room());
            QVERIFY(naturalWidth(caption, points + 0.25) > room());
            if (!fitTo.isEmpty())
                QCOMPARE(points, roomFor);
            QCOMPARE(label_->font().family(), designFont_.family());
            QCOMPARE(label_->font().weight(), designFont_.weight());
            QCOMPARE(drawnText(caption), caption);
            QCOMPARE(label_->toolTip(), caption);
        } else {
            QCOMPARE(points, widgets::FittingLabel::kSmallestPoints);
            const QString shown = drawnText(caption);
            QVERIFY(shown.endsWith(QChar(0x2026)));
            QVERIFY(caption.startsWith(shown.chopped(1)));
            QVERIFY(label_->fontMetrics().horizontalAdvance(shown) <= room());
            QCOMPARE(label_->toolTip(), caption);
        }
        // The row keeps its line: a smaller caption is centred on the designed height.
        label_->showCaption(QStringLiteral("$0.00"));
        const int designedHeight = label_->height();
        label_->showCaption(caption);
        QCOMPARE(label_->height(), designedHeight);
    }

    void aScreenReaderHearsTheWholeCaption_data() {
        QTest::addColumn<QString>("caption");
        QTest::newRow("fits") << "$91.23";
        QTest::newRow("smaller") << "$36,499,992,700,000.36";
        QTest::newRow("elided") << "$1,000,000,000,000,000,000,000,000,000.00";
    }

    void aScreenReaderHearsTheWholeCaption() {
        QFETCH(QString, caption);
        label_->showCaption(caption);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label_);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), caption);
    }

    void theHelpTipStaysWhateverTheCaption_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::newRow("fits") << "$91.23"
                              << "Daily earnings.";
        QTest::newRow("smaller") << "$36,499,992,700,000.36"
                                 << "$36,499,992,700,000.36\nDaily earnings.";
    }

    void theHelpTipStaysWhateverTheCaption() {
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        label_->setHelpTip(QStringLiteral("Daily earnings."));
        label_->showCaption(caption);
        QCOMPARE(label_->toolTip(), tip);
    }

    void aShorterCaptionIsDrawnAsDesignedAgain() {
        label_->showCaption(QStringLiteral("$1,000,000,000,000,000,000,000,000,000.00"));
        const QString shorter = QStringLiteral("$1,095.00");
        label_->showCaption(shorter);
        QCOMPARE(label_->font(), designFont_);
        QCOMPARE(drawnText(shorter), shorter);
        QCOMPARE(label_->toolTip(), QString());
        QCOMPARE(label_->size(), label_->sizeHint());
    }
};

QTEST_MAIN(FittingLabelTest)
#include "fitting_label_test.moc"
