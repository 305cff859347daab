#include "Promotion.h"

#include "Identity.h"

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
    const QString host = Identity::MainHost();
    return QStringLiteral("Talk about your reading on our discussion board. Meet fellow friends of the "
                          "myths. Visit us at %1")
        .arg(host);
}

} // namespace Promotion
