// SPDX-License-Identifier: MIT
#include "about/frm_about.h"

#include "desktop/open_link.h"
#include "desktop/title_room.h"
#include "product/application_facts.h"
#include "product/product.h"
#include "resources/images.h"
#include "widgets/design.h"
#include "widgets/design_palette.h"
#include "widgets/fonts.h"
#include "widgets/line_shape.h"
#include "widgets/link_label.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace about {

namespace {

using widgets::twips::ToRect;

constexpr QSize kClientSize(343, 263);
constexpr QColor kVarnelGreen(0, 128, 0);
constexpr QColor kCalculatorBlue(0, 0, 192);
constexpr QColor kLineGrey(128, 128, 128);

QFont TextFont() {
    return widgets::DesignFont(widgets::kVerdana, 8.25);
}

// The site's name and the support address are links laid over this text: the first line
// leaves room for the site after the copyright, the last ends with "to" above the address.
constexpr const char* kDisclaimer = "Copyright \u00a9 2026\n"
                                    "Please report any bugs or issues to";

constexpr const char* kTrademarkDisclaimer =
    "Varnel is a trademark of its owner. This web site is not affiliated with the owner of "
    "Varnel. Use of this tool is no endorsement by the owner of Varnel. All other names are "
    "the property of their owners.";

} // namespace

frmAbout::frmAbout(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientSize);
    setPalette(widgets::design::LightPalette());
    widgets::design::SetBackground(*this, Qt::white);
    setWindowIcon(images::ProgramIcon());

    // Created from the bottom up: later siblings are drawn above earlier ones.
    createTexts();
    createLinks();
    followStandInTexts();

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(ToRect(2040, 3480, 1260, 345));
    // Enter presses the default button; Esc rejects the dialog: both close it, as OK does.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdOK->setFocus();
    setTabOrder(cmdOK, findChild<QWidget*>(QStringLiteral("lblWebLink")));
    setTabOrder(findChild<QWidget*>(QStringLiteral("lblWebLink")),
                findChild<QWidget*>(QStringLiteral("lblEmailLink")));
    load();
    makeRoomForTitle();
}

void frmAbout::createTexts() {
    QLabel* disclaimer =
        widgets::design::AddLabel(*this, "lblDisclaimer", QString::fromUtf8(kDisclaimer),
                                  ToRect(120, 1110, 4920, 885), TextFont());
    disclaimer->setWordWrap(true);
    disclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widgets::design::SetTextColour(*disclaimer, Qt::black);
    widgets::design::SetBackground(*disclaimer, Qt::white);
    // Read with the two links where they stand on the screen: a reader reads the window's
    // texts, not its links, when the window opens.
    disclaimer->setAccessibleName(
        QString::fromUtf8(kDisclaimer)
            .replace(QLatin1Char('\n'), QLatin1Char(' ') + QString::fromLatin1(product::kSiteName) +
                                            QLatin1Char('\n')) +
        QLatin1Char(' ') + QString::fromLatin1(product::kSupportEmail));

    widgets::design::AddLabel(*this, "lblVersion", QStringLiteral("Version"),
                              ToRect(960, 675, 4005, 225), TextFont());

    auto* line = new widgets::LineShape(kLineGrey, Qt::SolidLine, this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setProperty("index", 1);
    line->setEnds(widgets::twips::ToPixels(120), widgets::twips::ToPixels(5035),
                  widgets::twips::ToPixels(3360));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image1"));
    logo->setGeometry(ToRect(0, 120, 960, 960));
    logo->setPixmap(images::Load(images::kLogo));
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel* trademarks = widgets::design::AddLabel(*this, "lblDisclaimer2",
                                                   QString::fromLatin1(kTrademarkDisclaimer),
                                                   ToRect(120, 2040, 4920, 1290), TextFont());
    trademarks->setWordWrap(true);
    trademarks->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The array lblVarnel: the programme's word in green, then the rest of the name in blue.
    const QFont nameFont = widgets::DesignFont(widgets::kVerdana, 12, QFont::Bold);
    const struct {
        QString caption;
        QRect geometry;
        QColor colour;
    } nameParts[] = {
        {QStringLiteral("Varnel"), ToRect(960, 240, 1140, 270), kVarnelGreen},
        {QStringLiteral("Interactive Calculator"), ToRect(2160, 240, 2850, 270), kCalculatorBlue},
    };
    for (int index = 0; index < 2; ++index) {
        QLabel* part = widgets::design::AddLabel(*this, "lblVarnel", nameParts[index].caption,
                                                 nameParts[index].geometry, nameFont);
        part->setProperty("index", index);
        widgets::design::SetTextColour(*part, nameParts[index].colour);
        part->adjustSize();
    }
}

void frmAbout::createLinks() {
    auto* web = new widgets::LinkLabel(QString::fromLatin1(product::kSiteName), this);
    web->setObjectName(QStringLiteral("lblWebLink"));
    web->setGeometry(ToRect(1842, 1110, 2415, 255));
    connect(web, &widgets::LinkLabel::activated, this, [this] {
        mAPI::OpenLink(QString::fromLatin1(product::kHomeAddress), QString::number(winId()));
    });

    auto* email = new widgets::LinkLabel(QString::fromLatin1(product::kSupportEmail), this);
    email->setObjectName(QStringLiteral("lblEmailLink"));
    email->setGeometry(ToRect(120, 1507, 3135, 255));
    connect(email, &widgets::LinkLabel::activated, this, [this] {
        // The subject goes as it is, blanks included: the mail program reads it that way.
        const QString address =
            QStringLiteral("mailto:") + QString::fromLatin1(product::kSupportEmail) +
            QStringLiteral("?subject=") + QString::fromLatin1(product::kBugReportSubject);
        mAPI::OpenLink(address, QString::number(winId()));
    });
}

// The designed places leave wide gaps after texts drawn by a narrower stand-in font: there the
// name's second part and the web link follow the text before them after a blank. Where the
// designed fonts exist, everything stays where it was designed.
void frmAbout::followStandInTexts() {
    const auto follow = [](QWidget& label, const QLabel& before, const QString& text) {
        if (widgets::IsStandIn(before.font()))
            label.move(before.x() + before.fontMetrics().horizontalAdvance(text + u' '), label.y());
    };
    const auto name = findChildren<QLabel*>(QStringLiteral("lblVarnel"));
    follow(*name[1], *name[0], name[0]->text());
    const auto& disclaimer = *findChild<QLabel*>(QStringLiteral("lblDisclaimer"));
    follow(*findChild<QWidget*>(QStringLiteral("lblWebLink")), disclaimer,
           disclaimer.text().section(u'\n', 0, 0));
}

// Where the desktop's title bar needs more than the designed width for the whole title, the
// window widens and the design stays in its middle.
void frmAbout::makeRoomForTitle() {
    const int width = std::max(kClientSize.width(), desktop::TitleBarWidth(windowTitle()));
    const QPoint shift((width - kClientSize.width()) / 2, 0);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(child->pos() + shift);
    setFixedSize(width, kClientSize.height());
}

void frmAbout::load() {
    setWindowTitle(QStringLiteral("About ") + product::Title());
    findChild<QLabel*>(QStringLiteral("lblVersion"))
        ->setText(QStringLiteral("Version: ") + product::VersionText());
}

} // namespace about
