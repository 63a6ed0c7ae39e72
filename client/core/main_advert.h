#pragma once
// Which pictures and links the main window's two advertisement windows show.
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
