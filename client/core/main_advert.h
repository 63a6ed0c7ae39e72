#pragma once
// Which pictures and links the advertisement windows show: the main window's two and
// the comprehensive evaluation panel's one.
#include <string>

struct SiteHosts;

struct AdvertChoice {
    std::string picture;  // relative to the program directory
    std::string link;
};

// The first advertisement: MainAdvts of Advertise.XML (text = picture, LinkUrl = link)
// when both are given, else "image\ad_1.gif" linking to the account portal's root.
AdvertChoice ChooseMainAdvert(const SiteHosts& hosts,
                              const std::string& fileName = "Advertise.XML");

// The second advertisement: always "image\ad_2.gif" linking to the maker's main site.
AdvertChoice SecondAdvert(const SiteHosts& hosts);

// The comprehensive evaluation panel's advertisement: ZHZDAdvts of Advertise.XML when it
// gives both, else "image\ad_3.gif" linking to the spring campaign on the product site.
AdvertChoice ChooseComprehensiveAdvert(const SiteHosts& hosts,
                                       const std::string& fileName = "Advertise.XML");
