#pragma once

// The promotional texts that both top-level windows carry.

#include <QString>

namespace Promotion {

// Caption of lblFullBrand.
QString fullBrandText();
// Caption of lblCobrand.
QString coBrandText();
// Caption of Label61: the discussion-board banner naming the home page's host.
QString bannerText();

} // namespace Promotion
