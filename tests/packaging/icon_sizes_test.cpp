// SPDX-License-Identifier: MIT
// The program's icon at each size: present, drawn at that size rather than scaled up from a
// smaller picture, and the current rendering of the scalable drawing.
#include "resources/images.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

QImage Premultiplied(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The difference of each channel of each pixel between two pictures of the same size.
std::vector<int> Differences(const QImage& first, const QImage& second) {
    const QImage a = Premultiplied(first);
    const QImage b = Premultiplied(second);
    std::vector<int> differences;
    for (int y = 0; y < a.height(); ++y)
        for (int i = 0; i < a.width() * 4; ++i)
            differences.push_back(
                std::abs(int(a.constScanLine(y)[i]) - int(b.constScanLine(y)[i])));
    return differences;
}

// How much the picture loses when shrunk to half its size and blown up again: the mean
// difference per colour channel (0-255), times the side. A picture scaled up from one half its
// size or smaller has no detail finer than that one and loses little on the way; a picture
// drawn at its size has sharp edges that blur. The loss is along the drawing's edges, whose
// length grows with the side while the mean is taken over the area: hence the side.
double FineDetail(const QImage& picture) {
    const QImage image = Premultiplied(picture);
    const std::vector<int> lost = Differences(
        image, image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return std::accumulate(lost.begin(), lost.end(), 0.0) / (image.height() * 4);
}

QString IconFile(int size) {
    return QDir(QStringLiteral(ICONS_DIR)).filePath(QStringLiteral("%1.png").arg(size));
}

} // namespace

class IconSizesTest : public QObject {
    Q_OBJECT

private slots:
    void eachSizeIsDrawnNotScaledUp_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("scaledFrom"); // 0: the file as it is
        for (const int size : images::kProgramIconSizes)
            QTest::addRow("%d", size) << size << 0;
        // The check itself: pictures known to be scaled up must fail it.
        QTest::newRow("48 scaled up to 128") << 128 << 48;
        QTest::newRow("64 scaled up to 256") << 256 << 64;
        QTest::newRow("16 scaled up to 32") << 32 << 16;
    }

    void eachSizeIsDrawnNotScaledUp() {
        QFETCH(int, size);
        QFETCH(int, scaledFrom);
        const QString file = IconFile(scaledFrom ? scaledFrom : size);
        QImage picture(file);
        QVERIFY2(!picture.isNull(), qPrintable(file));
        if (scaledFrom)
            picture = picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(picture.size(), QSize(size, size));
        const double detail = FineDetail(picture);
        QVERIFY2((detail > kLeastDetail) == !scaledFrom, qPrintable(QString::number(detail)));
    }

    void picturesAreTheDrawingRendered_data() {
        QTest::addColumn<int>("size");
        for (const int size : images::kProgramIconSizes)
            QTest::addRow("%d", size) << size;
    }

    void picturesAreTheDrawingRendered() {
        QFETCH(int, size);
        const QString renderer = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
        if (renderer.isEmpty())
            QSKIP("needs rsvg-convert (librsvg2-bin)");
        const QString rendered = scratch_.filePath(QStringLiteral("%1.png").arg(size));
        QCOMPARE(QProcess::execute(
                     renderer, {"--width", QString::number(size), "--height", QString::number(size),
                                QStringLiteral(ICONS_DIR "/VarnelCalc.svg"), "--output", rendered}),
                 0);
        const QImage kept(IconFile(size));
        QCOMPARE(kept.size(), QSize(size, size));
        // A newer renderer may round an edge pixel differently; a changed drawing differs more.
        QVERIFY2(std::ranges::max(Differences(kept, QImage(rendered))) <= 8,
                 "the PNG is not the SVG's rendering: run resources/icons/render.sh");
    }

private:
    // Drawn sizes measure 470 to 700, pictures scaled up from half their size or less 230 to 330.
    static constexpr double kLeastDetail = 400;
    QTemporaryDir scratchFolder_;
    QDir scratch_{scratchFolder_.path()};
};

QTEST_GUILESS_MAIN(IconSizesTest)
#include "icon_sizes_test.moc"
