// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/common/Promotion.h"

#include "core/Identity.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "windows/common/WindowKit.h"
#include "platform/modHelp.h"

#include <QGroupBox>

namespace Promotion {

QString fullBrandText()
{
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                          "online. Get this software fully branded for your website. Click here for "
                          "more details.");
}

QString coBrandText()
{
    // The designed caption doubles the ampersand so that it is not taken as an
    // access key; a QLabel without a buddy shows text literally, so one is enough.
    return QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your "
                          "site. Put your site's name &  link here. See \"Help\" for details.    Click "
                          "Here for more info on co-branding.");
}

QString bannerText()
{
    const QString host = Identity::mainHost();
    return QStringLiteral("Talk about your reading on our discussion board. Meet fellow friends of the "
                          "myths. Visit us at %1")
        .arg(host);
}

Panel panel(QWidget *form, const PanelDesign &design)
{
    Panel p;
    p.fraFullBrand = WindowKit::frame(form, "fraFullBrand", QString(), Look::windowFont(), Look::Black,
                                      design.frame, true);
    p.lblFullBrand = WindowKit::linkLabel(p.fraFullBrand, "lblFullBrand", fullBrandText(), Look::White,
                                          design.fullBrand, design.fullBrandPointer, true);
    p.lblCobrand = WindowKit::linkLabel(p.fraFullBrand, "lblCobrand", coBrandText(), Look::White,
                                        design.coBrand, design.coBrandPointer, true);
    if (design.fullBrandInFront)
        WindowKit::stackFrontToBack({p.lblFullBrand, p.lblCobrand});
    else
        WindowKit::stackFrontToBack({p.lblCobrand, p.lblFullBrand});

    QObject::connect(p.lblFullBrand, &LinkLabel::clicked, p.lblFullBrand, &modHelp::OpenFullBrandPage);
    QObject::connect(p.lblCobrand, &LinkLabel::clicked, p.lblCobrand, &modHelp::OpenCoBrandPage);
    return p;
}

LinkLabel *banner(QWidget *form, const QRect &geometry, const QCursor &pointer)
{
    LinkLabel *label = WindowKit::linkLabel(form, "Label61", bannerText(), Look::White, geometry, pointer, false);
    QObject::connect(label, &LinkLabel::clicked, label, &modHelp::OpenHomePage);
    return label;
}

} // namespace Promotion
