// SPDX-License-Identifier: MIT
// The res: addresses of the pages, and what the resolver lets them reach.
#include "pages/page_address.h"
#include "pages/resource_resolver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <optional>

using OptionalText = std::optional<QString>;
Q_DECLARE_METATYPE(OptionalText)

namespace {

const QString kToolsRoot = QStringLiteral("res://C:\\Tools\\VarnelCalc.exe/");

} // namespace

class PageAddressTest : public QObject {
    Q_OBJECT

private slots:
    void composition_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("address");
        QTest::newRow("folder") << "C:\\Tools"
                                << "VarnelCalc" << QChar(u'\\') << pages::kHelpSuffix
                                << "res://C:\\Tools\\VarnelCalc.exe/help.html";
        QTest::newRow("drive root keeps its own separator")
            << "D:\\"
            << "VarnelCalc" << QChar(u'\\') << pages::kHelpSuffix
            << "res://D:\\\\VarnelCalc.exe/help.html";
        QTest::newRow("blank stays unescaped") << "C:\\Tools"
                                               << "My Calc" << QChar(u'\\') << pages::kGoldSuffix
                                               << "res://C:\\Tools\\My Calc.exe/gold.html";
        QTest::newRow("slashes") << "/usr/bin"
                                 << "varnelcalc" << QChar(u'/') << pages::kSeoSuffix
                                 << "res:///usr/bin/varnelcalc.exe/seo.html";
    }
    void composition() {
        QFETCH(QString, folder);
        QFETCH(QString, fileName);
        QFETCH(QChar, separator);
        QFETCH(QString, suffix);
        QFETCH(QString, address);
        QCOMPARE(pages::ComposePageAddress(folder, fileName, separator, suffix.toLatin1()),
                 address);
    }

    void pagesRootOfAProgramFile_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("root");
        QTest::newRow("no extension") << "VarnelCalc" << kToolsRoot;
        QTest::newRow(".exe") << "VarnelCalc.exe" << kToolsRoot;
        QTest::newRow(".EXE") << "VarnelCalc.EXE" << kToolsRoot;
        QTest::newRow("other extension") << "VarnelCalc.bin" << kToolsRoot;
        QTest::newRow("versioned name") << "VarnelCalc-1.0.85"
                                        << "res://C:\\Tools\\VarnelCalc-1.0.exe/";
    }
    void pagesRootOfAProgramFile() {
        QFETCH(QString, fileName);
        QFETCH(QString, root);
        QCOMPARE(pages::ComposePageAddress("C:\\Tools", fileName, u'\\', pages::kResourcesSuffix),
                 root);
    }

    void resolver_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<OptionalText>("resource");
        const auto builtIn = [](const char* name) {
            return OptionalText(QStringLiteral(":/pages/") + QLatin1String(name));
        };
        QTest::newRow("help") << kToolsRoot + "help.html" << builtIn("help.html");
        QTest::newRow("any case") << kToolsRoot + "Gold.HTML" << builtIn("gold.html");
        QTest::newRow("upper case") << kToolsRoot + "VIDS.HTML" << builtIn("vids.html");
        QTest::newRow("seo") << kToolsRoot + "seo.html" << builtIn("seo.html");
        QTest::newRow("marlo") << kToolsRoot + "marlo.html" << builtIn("marlo.html");
        QTest::newRow("image") << kToolsRoot + "VARNELGOLD.JPG" << builtIn("varnelgold.jpg");
        QTest::newRow("image 2") << kToolsRoot + "varnel-videos.jpg"
                                 << builtIn("varnel-videos.jpg");
        QTest::newRow("image 3") << kToolsRoot + "seo-zorvik.jpg" << builtIn("seo-zorvik.jpg");
        QTest::newRow("image 4") << kToolsRoot + "marlovesk.jpg" << builtIn("marlovesk.jpg");

        QTest::newRow("unknown name") << kToolsRoot + "readme.txt" << OptionalText();
        QTest::newRow("no name") << kToolsRoot << OptionalText();
        QTest::newRow("pane's own page") << kToolsRoot + "not-found.html" << OptionalText();
        QTest::newRow("another program")
            << "res://C:\\Tools\\Other.exe/help.html" << OptionalText();
        QTest::newRow("another folder")
            << "res://C:\\Temp\\VarnelCalc.exe/help.html" << OptionalText();
        QTest::newRow("up a folder") << kToolsRoot + "../help.html" << OptionalText();
        QTest::newRow("up and back")
            << kToolsRoot + "../VarnelCalc.exe/help.html" << OptionalText();
        QTest::newRow("sub folder") << kToolsRoot + "sub/help.html" << OptionalText();
        QTest::newRow("backslash") << kToolsRoot + "..\\help.html" << OptionalText();
        QTest::newRow("escaped") << kToolsRoot + "%68elp.html" << OptionalText();
        QTest::newRow("query") << kToolsRoot + "help.html?x" << OptionalText();
        QTest::newRow("trailing slash") << kToolsRoot + "help.html/" << OptionalText();
        QTest::newRow("file") << "file:///C:/Tools/help.html" << OptionalText();
        QTest::newRow("http") << "http://www.varnelcalc.example/help.html" << OptionalText();
        QTest::newRow("qrc") << "qrc:/pages/help.html" << OptionalText();
        QTest::newRow("resource path") << ":/pages/help.html" << OptionalText();
        QTest::newRow("empty") << "" << OptionalText();
    }
    void resolver() {
        QFETCH(QString, address);
        QFETCH(OptionalText, resource);
        QCOMPARE(pages::BuiltInResourcePath(address, kToolsRoot), resource);
    }

    void namesInsideAPage_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::newRow("sibling") << "varnelgold.jpg" << kToolsRoot + "varnelgold.jpg";
        QTest::newRow("up a folder") << "../varnelgold.jpg" << kToolsRoot + "../varnelgold.jpg";
        QTest::newRow("file") << "file:///etc/passwd"
                              << "file:///etc/passwd";
        QTest::newRow("rooted") << "/etc/passwd"
                                << "/etc/passwd";
        QTest::newRow("drive") << "C:\\boot.ini"
                               << "C:\\boot.ini";
    }
    void namesInsideAPage() {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QCOMPARE(pages::ResolveRelative(kToolsRoot + "gold.html", name), address);
    }

    void runningProgramReachesEveryPage_data() {
        QTest::addColumn<QString>("suffix");
        for (const char* suffix : {pages::kHelpSuffix, pages::kGoldSuffix, pages::kVideosSuffix,
                                   pages::kSeoSuffix, pages::kMarloSuffix})
            QTest::newRow(suffix) << suffix;
    }
    void runningProgramReachesEveryPage() {
        QFETCH(QString, suffix);
        const auto page = pages::ReadBuiltIn(pages::PageAddress(suffix.toLatin1()));
        QVERIFY(page);
        QVERIFY(page->startsWith("<html>"));
    }

    void runningProgramReachesNothingElse() {
        const QString address = pages::PageAddress(pages::kHelpSuffix);
        const QString program =
            QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        QVERIFY(!pages::ReadBuiltIn(QString(address).replace(program, "other")));
        QVERIFY(!pages::ReadBuiltIn(QString(address).replace("help.html", "../help.html")));
        QVERIFY(!pages::ReadBuiltIn(QString(address).replace("res://", "file://")));
    }
};

QTEST_GUILESS_MAIN(PageAddressTest)
#include "page_address_test.moc"
