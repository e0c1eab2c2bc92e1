#include "Layouts.h"

#include "BuildConfig.h"

#define ZT_SITE ZT_WEB_SITE

namespace LayoutTexts {
QString Banner() {
    return QStringLiteral("Visit " ZT_SITE " now: the most friendly online discussion board on "
                          "astrology, tarot and the occult!");
}

QString CoBrandOffer() {
    return QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                          "your site. Put your site's name &&  link here. See \"Help\" for "
                          "details.Click Here for more info on co-branding.");
}

QString FullBrandOffer() {
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website. Click "
                          "here for more details.");
}

QString AboutText() {
    return QStringLiteral(
        "ZT Varivuvo Vuzuzi Software gives you an idea about the various auspicious periods in "
        "your life so that you can make the maximum benefit out of them. By studying your "
        "pinnacle number you can make plans to achieve your goals in your life. This software "
        "prepares you for the future. Find out more at " ZT_SITE " today!");
}

QString AboutOffer() {
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website. ");
}

QString HomePageLink() {
    return QStringLiteral("Click here to visit " ZT_SITE);
}

QString CheckCaption() {
    return QStringLiteral("Click now to see " ZT_SITE);
}

QString SoftwaresParagraph() {
    return QStringLiteral(
        "If you have enjoyed this software you will surely be interested in our other Zentari "
        "Softwares. We offer a large collection of programs on astrology, psychic phenomena, "
        "tarot, numerology and the occult. Every one of them is easy to use, and full of "
        "information, whether you are taking your first steps or have studied these subjects for "
        "many years. Download them, try them out and discover what they reveal about you and about "
        "the people around you. Then share the experience with your friends and family, and let "
        "them discover the wonders of these ancient arts together with you. Enjoy all of them, "
        "free of charge!");
}
QString Promotional(int index) {
    switch (index) {
    case 0:
        return QStringLiteral(
            "Programs such as this one can only be created and maintained with your support. The "
            "best way to support us is to visit " ZT_SITE " regularly and to take part in its many "
            "lively discussions and activities. Thanks!");
    case 1:
        return QStringLiteral(
            "Please visit " ZT_SITE " regularly and support the site by taking part in its "
            "discussions. Without your regular visits we cannot support or maintain these "
            "programs. Thank you for all of your help!");
    case 2:
        return QStringLiteral(ZT_SITE " is a free online discussion forum on esoteric subjects. "
                                      "Visiting it regularly helps us to develop and maintain this "
                                      "software. Thanks!");
    case 3:
        return QStringLiteral(
            ZT_SITE " needs your help! Visiting us regularly and taking part in its discussions "
                    "helps us to maintain this program and to develop many more of our Zentari "
                    "Softwares. Thank you!");
    default:
        return {};
    }
}
} // namespace LayoutTexts
