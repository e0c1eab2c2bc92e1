// The referral address over arbitrary fields, as UTF-8 or as raw UTF-16 with lone surrogates: the
// address parses strictly, comes back from QUrl byte for byte, holds exactly the keys taf1 to
// taf6, and each value percent-decodes to its field's UTF-8 exactly.
#include "Referral.h"
#include "WebPages.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {
void Require(bool holds, const char *what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

QString Field(FuzzedDataProvider &input, bool utf16) {
    const std::string bytes = input.ConsumeRandomLengthString();
    if (!utf16)
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) << 8 |
                                            static_cast<unsigned char>(bytes[i + 1])));
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool utf16 = input.ConsumeBool();
    Referral referral;
    referral.name = Field(input, utf16);
    referral.email = Field(input, utf16);
    referral.message = Field(input, utf16);
    referral.friendName = Field(input, utf16);
    referral.friendEmail = Field(input, utf16);

    const QString address = ReferralAddress(referral);
    const QUrl url(address, QUrl::StrictMode);
    Require(url.isValid() && !url.isRelative(), "the address parses strictly");
    Require(url.toEncoded() == address.toLatin1(), "QUrl hands the address on unchanged");
    const QUrl site(WebSiteAddress());
    Require(url.scheme() == site.scheme() && url.host() == site.host() &&
                url.path() == u"/dazo-vorar-o-zuvara.php",
            "the address names the referral page");

    const QList<QByteArray> pairs = url.query(QUrl::FullyEncoded).toLatin1().split('&');
    Require(pairs.size() == 6, "the query holds six keys");
    const QString fields[] = {
        referral.name,        referral.email,
        referral.message,     referral.friendName,
        referral.friendEmail, WebSiteAddress() + QStringLiteral("/di-dadi-dizaruva-vudiro/")};
    for (int i = 0; i < 6; ++i) {
        const QByteArray key = "taf" + QByteArray::number(i + 1) + '=';
        Require(pairs[i].startsWith(key), "keys taf1 to taf6 in order");
        Require(QByteArray::fromPercentEncoding(pairs[i].mid(key.size())) == fields[i].toUtf8(),
                "each value decodes to its field's UTF-8");
    }
    return 0;
}
