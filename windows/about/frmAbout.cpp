// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/about/frmAbout.h"

#include "assets/Assets.h"
#include "widgets/Centring.h"
#include "core/Identity.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"
#include "windows/common/WindowKit.h"
#include "platform/modHelp.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace {

constexpr int ClientWidthTwips = 5820;
constexpr int ClientHeightTwips = 3045;

// A label that sizes itself to its caption. It grows to the right from its
// designed left edge; should a wider font make it pass the window's edge, it
// moves left instead, so that it is never clipped.
void placeAutoSized(QLabel *label, int left, int top)
{
    label->adjustSize();
    const int clientWidth = Twips::toPixels(ClientWidthTwips);
    const QPoint at = Twips::point(left, top);
    const int x = qMax(0, qMin(at.x(), clientWidth - label->width() - 2));
    label->move(x, at.y());
}

// The About window's links: underlined but not bold, sized to their caption.
LinkLabel *link(QWidget *parent, const char *name, const QString &text)
{
    return WindowKit::link(parent, name, text, Look::font(8.25, false, true), Look::White,
                           Assets::handCursor(Assets::Hand::SixteenColour));
}

} // namespace

QString frmAbout::homePageCaption()
{
    // The address as people say it: no scheme, no trailing slash.
    const QUrl home(modHelp::homePageAddress());
    return QStringLiteral("Click here to visit us at ") + home.host();
}

QRect frmAbout::line2Pixels()
{
    const QPoint from = Twips::point(-30, 2550);
    const QPoint to = Twips::point(7080, 2550);
    // Two pixels wide, centred on the designed line.
    return QRect(from.x(), from.y() - 1, to.x() - from.x(), 2);
}

frmAbout::frmAbout(QWidget *owner)
    // CustomizeWindowHint: only the listed decorations, so that window
    // managers offer neither minimize nor maximize.
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint
                         | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    WindowKit::dress(this);
    setModal(true);
    setFont(Look::windowFont());
    setFixedSize(Twips::size(ClientWidthTwips, ClientHeightTwips));
    setSizeGripEnabled(false);
    WindowKit::paintBlack(this);

    // In the order the window holds them; later ones lie on top.
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setAccessibleName(QStringLiteral("Pallastro icon"));
    // The 32 x 32 icon, taken from the larger renderings on a scaled screen.
    const QPixmap icon = Assets::programIcon().pixmap(QSize(32, 32), devicePixelRatioF());
    picIcon->setPixmap(icon.isNull() ? Assets::programIconPixmap() : icon);
    const QRect iconBox = Twips::rect(60, 60, 480, 480);
    const QSize iconSize = picIcon->pixmap().isNull() ? iconBox.size()
                                                      : picIcon->pixmap().deviceIndependentSize().toSize();
    picIcon->setGeometry(QRect(iconBox.topLeft(), iconSize));

    cmdOK = WindowKit::button(this, "cmdOK", QStringLiteral("OK"), Look::font(8.25),
                              Twips::rect(4455, 2640, 1260, 345));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);

    lblHomePage = link(this, "lblHomePage", homePageCaption());
    placeAutoSized(lblHomePage, 1665, 1245);

    using WindowKit::Reach;
    Label3 = WindowKit::label(this, "Label3",
                              QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                                             "make money online. Get this software fully branded for your website."),
                              Look::font(8.25, true), Look::Yellow, Twips::rect(30, 1560, 5685, 555), true,
                              Reach::Exact);

    // A substitute for Verdana can need a little more height for the three
    // lines; the label then grows upwards into the free space above it, so
    // that it still ends where the link below it begins.
    const int needed = Label3->heightForWidth(Label3->width());
    if (needed > Label3->height()) {
        const QRect designed = Label3->geometry();
        Label3->setGeometry(designed.left(), designed.bottom() + 1 - needed, designed.width(), needed);
    }

    lblCoBrand = link(this, "lblCoBrand", QStringLiteral("Click here for more details"));
    placeAutoSized(lblCoBrand, 3420, 2115);

    Label2 = WindowKit::label(this, "Label2", Identity::title(), Look::font(9.75, true), Look::Yellow, QRect(),
                              false, Reach::Exact);
    // QLabel's own placing of a single line, a pixel lower than the kit's
    // top alignment: where the title has always stood.
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    placeAutoSized(Label2, 720, 60);

    Label1 = WindowKit::label(this, "Label1",
                              QStringLiteral("Pallastro finds your Greek God based on numerology. This software finds "
                                             "your Greek God based on lifepath number and destiny number. All rights "
                                             "in this program belong to the Pallastro authors."),
                              Look::font(8.25), Look::Cyan, Twips::rect(720, 390, 4995, 855), true, Reach::Exact);

    // Only the button takes the keyboard; Enter and Esc both act as OK.
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCoBrand, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);

    Centring::centreOnScreen(this, owner ? owner->screen() : nullptr);
}

void frmAbout::showModal(QWidget *owner)
{
    if (!owner)
        owner = QApplication::activeWindow();
    QPointer<frmAbout> about = new frmAbout(owner);
    about->exec();
    delete about.data();   // every opening starts from a fresh window
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(line2Pixels(), Look::Cyan);
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::lblHomePage_Click() { modHelp::OpenHomePage(); }

void frmAbout::lblCoBrand_Click() { modHelp::OpenFullBrandPage(); }
