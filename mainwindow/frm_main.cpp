// SPDX-License-Identifier: MIT
#include "mainwindow/frm_main.h"

#include "about/frm_about.h"
#include "desktop/drop_shadow.h"
#include "desktop/open_link.h"
#include "desktop/window_place.h"
#include "mainwindow/copyright_line.h"
#include "mainwindow/figure_copy.h"
#include "mainwindow/figure_readout.h"
#include "mainwindow/tab_control.h"
#include "pages/web_pane.h"
#include "planning/start.h"
#include "planwindow/plan_window.h"
#include "product/application_facts.h"
#include "product/product.h"
#include "resources/images.h"
#include "widgets/accessible_roles.h"
#include "widgets/design.h"
#include "widgets/design_palette.h"
#include "widgets/fonts.h"
#include "widgets/line_shape.h"
#include "widgets/link_label.h"
#include "widgets/open_menus.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

namespace mainwindow {

namespace {

using widgets::twips::ToRect;

constexpr QSize kClientSize(656, 510);
constexpr QColor kWindowText(64, 64, 64);
constexpr QColor kHeaderLine(128, 128, 128);
constexpr QRect kWebLinkGeometry = ToRect(3720, 7320, 2415, 255);
constexpr QRect kCopyrightGeometry = ToRect(120, 7320, 9615, 255);

} // namespace

frmMain::frmMain() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientSize);
    setFont(widgets::DesignFont(widgets::kVerdana, 8.25));
    setPalette(widgets::design::LightPalette());
    widgets::design::SetBackground(*this, Qt::white);
    widgets::design::SetTextColour(*this, kWindowText);
    setWindowIcon(images::ProgramIcon());
    // A plain widget would be a nameless filler to screen readers, not the window.
    widgets::SetAccessibleRole(*this, QAccessible::Window);
    // The copy menu of the figures is read with its items.
    widgets::ExposeOpenMenus();

    // Created from the bottom up: later siblings are drawn above earlier ones.
    createFooter();
    createTabs();
    createHeader();
    setFocusOrder();
    load();
}

frmMain::~frmMain() = default;

void frmMain::createHeader() {
    auto* picHeader = new QLabel(this);
    picHeader->setObjectName(QStringLiteral("picHeader"));
    picHeader->setGeometry(ToRect(0, 0, 9840, 1815));
    picHeader->setPixmap(images::Load(images::kHeader));
    picHeader->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picHeader->setAccessibleName(QString::fromLatin1(calc::kApplicationTitle));
    picHeader->setAccessibleDescription(QString::fromLatin1(product::kTagline));
    widgets::design::SetBackground(*picHeader, Qt::white);

    auto* line = new widgets::LineShape(kHeaderLine, Qt::DotLine, picHeader);
    line->setObjectName(QStringLiteral("Line"));
    line->setProperty("index", 0);
    line->setEnds(widgets::twips::ToPixels(0), widgets::twips::ToPixels(9960),
                  widgets::twips::ToPixels(1800));
}

void frmMain::createTabs() {
    ucTabMain_ = new TabControl(this);
    ucTabMain_->setObjectName(QStringLiteral("ucTabMain"));
    ucTabMain_->setGeometry(ToRect(120, 1920, 9615, 5295));
    QWidget* calculatorSheet = ucTabMain_->addSheet(QStringLiteral("&Varnel Calculator"));
    QWidget* helpSheet = ucTabMain_->addSheet(QStringLiteral("Quick &Help"));
    QWidget* toolsSheet = ucTabMain_->addSheet(QStringLiteral("&Recommended Tools"));

    calculatorPage_ = std::make_unique<CalculatorPage>(*calculatorSheet, *this, messages_);
    tabStops_ = calculatorPage_->tabStops();
    connect(&calculatorPage_->aboutButton(), &QPushButton::clicked, this, &frmMain::showAbout);
    connect(&calculatorPage_->quitButton(), &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(Qt::CTRL | Qt::Key_Q, this), &QShortcut::activated, this,
            &QWidget::close);
    createWebPanes(*helpSheet, *toolsSheet);
    createFigureTools();
    // The tools tab opens at its first pane, wherever the focus was: the focus chain alone
    // would go on from the help pane to the second.
    connect(ucTabMain_, &QTabWidget::currentChanged, this, [this, toolsSheet](int) {
        if (ucTabMain_->currentWidget()->isAncestorOf(toolsSheet))
            panes_.gold->setFocus(Qt::TabFocusReason);
    });
}

// Copying the figures, and hearing them from a box.
void frmMain::createFigureTools() {
    std::vector<QLineEdit*> boxes;
    for (const auto& typed : calculatorPage_->typedFigures())
        boxes.push_back(typed.box);
    std::vector<QLabel*> figures;
    for (const auto& column : {calculatorPage_->actualNumbers(), calculatorPage_->earnings()}) {
        for (const auto& captioned : column)
            figures.push_back(captioned.figure);
    }
    // The Plan window follows the calculator's figures on every change of a box, once the
    // engine, connected first, has handled it; the connections end with the page, whose
    // calculator they read.
    for (QLineEdit* box : boxes)
        connect(box, &QLineEdit::textChanged, calculatorPage_.get(), [this] {
            if (plan_)
                plan_->follow(planning::StartTexts(calculator()));
        });
    auto* copy = new FigureCopy(*this, calculatorPage_->typedFigures(), std::move(figures));
    connect(copy, &FigureCopy::planRequested, this, &frmMain::showPlan);
    connect(new QShortcut(FigureCopy::kPlanKeys, this), &QShortcut::activated, this,
            &frmMain::showPlan);
    auto* readout = new FigureReadout(*this, boxes, calculatorPage_->earnings(),
                                      calculatorPage_->actualNumbers());
    // After Reset no typing is left to tell the earnings of.
    connect(findChild<QPushButton*>(QStringLiteral("cmdReset")), &QPushButton::clicked, readout,
            &FigureReadout::forgetTyping);
}

// The help page on its own tab; the four recommendation pages share the third tab, a wide
// banner above three squares.
void frmMain::createWebPanes(QWidget& helpSheet, QWidget& toolsSheet) {
    const struct {
        const char* name;
        QWidget& sheet;
        QRect geometry;
        int tabIndex;
        pages::WebPane*& pane;
    } panes[] = {
        {"ucHelpDisplay", helpSheet, ToRect(240, 600, 9135, 4575), 8, panes_.help},
        {"ucVarnelGold", toolsSheet, ToRect(240, 480, 9135, 1695), 7, panes_.gold},
        {"ucVarnelVideos", toolsSheet, ToRect(240, 2280, 2895, 2895), 18, panes_.videos},
        {"ucSEOZorvik", toolsSheet, ToRect(3360, 2280, 2895, 2895), 19, panes_.seo},
        {"ucMarlo", toolsSheet, ToRect(6480, 2280, 2895, 2895), 20, panes_.marlo},
    };
    for (const auto& each : panes) {
        each.pane = new pages::WebPane(&each.sheet);
        each.pane->setObjectName(QString::fromLatin1(each.name));
        each.pane->setGeometry(each.geometry);
        tabStops_.push_back({each.tabIndex, each.pane});
    }
}

void frmMain::createFooter() {
    auto* lblCopyRight =
        new CopyrightLine(QString::fromLatin1(product::kSiteName), kWebLinkGeometry.x(), this);
    lblCopyRight->setObjectName(QStringLiteral("lblCopyRight"));
    lblCopyRight->setGeometry(kCopyrightGeometry);
    widgets::design::SetTextColour(*lblCopyRight, Qt::black);

    auto* lblWebLink = new widgets::LinkLabel(QString::fromLatin1(product::kSiteName), this);
    lblWebLink->setObjectName(QStringLiteral("lblWebLink"));
    lblWebLink->setGeometry(kWebLinkGeometry);
    connect(lblWebLink, &widgets::LinkLabel::activated, this, [this] {
        mAPI::OpenLink(QString::fromLatin1(product::kHomeAddress), QString::number(winId()));
    });
    tabStops_.push_back({50, lblWebLink});
}

void frmMain::setFocusOrder() {
    std::ranges::stable_sort(tabStops_, {}, &CalculatorPage::TabStop::tabIndex);
    // Controls that take no focus would only break the chain (setTabOrder moves them too).
    std::erase_if(tabStops_, [](const CalculatorPage::TabStop& stop) {
        return !(stop.widget->focusPolicy() & Qt::TabFocus);
    });
    for (std::size_t i = 1; i < tabStops_.size(); ++i)
        setTabOrder(tabStops_[i - 1].widget, tabStops_[i].widget);
}

void frmMain::load() {
    // Placed while the window has no native handle yet (winId below makes one): Qt then takes
    // the place as that of the frame's corner, title bar included, not of the client area.
    if (const QScreen* screen = this->screen())
        move(desktop::CentredPlace(size(), screen->availableGeometry()));
    setWindowTitle(product::MainWindowCaption());
    mAPI::AddDropShadow(winId());
    LoadPages(panes_, this, messages_);
    ucTabMain_->setCurrentIndex(0);
    // The window opens ready for typing the impressions over their start figure.
    findChild<QLineEdit*>(QString::fromLatin1(calc::BoxName(calc::Box::Impressions)))->setFocus();
    calculator().GotFocus(calc::Box::Impressions);
}

void frmMain::showAbout() {
    about::frmAbout about(this);
    about.exec();
}

void frmMain::showPlan() {
    if (!plan_) {
        plan_ = new planwindow::PlanWindow(planning::StartTexts(calculator()), *this);
        connect(plan_, &planwindow::PlanWindow::quitRequested, this, &QWidget::close);
    }
    plan_->show();
    plan_->raise();
    plan_->activateWindow();
}

} // namespace mainwindow
