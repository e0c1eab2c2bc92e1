#include "BuildConfig.h"
#include "Random.h"
#include "Referral.h"
#include "TestSupport.h"
#include "WebPages.h"

#include <QApplication>
#include <QUrlQuery>
#include <QtTest>

Q_DECLARE_METATYPE(WebPage)
Q_DECLARE_METATYPE(Referral)

namespace {
const QString site = QStringLiteral("http://" ZT_WEB_HOST);
const QString help = QStringLiteral("http://" ZT_HELP_HOST);

Referral filledIn() {
    return {QStringLiteral("Ann"), QStringLiteral("ann@mail.example"),
            QStringLiteral("Have a look"), QStringLiteral("Bob"),
            QStringLiteral("bob@mail.example")};
}
} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void init() { recorder = new UrlRecorder(this); }
    void cleanup() {
        delete recorder;
        recorder = nullptr;
    }

    void linkOpensItsPage_data() {
        QTest::addColumn<WebPage>("page");
        QTest::addColumn<QString>("address");
        QTest::newRow("home page, bare host") << WebPage::Home << site;
        QTest::newRow("softwares") << WebPage::Softwares << site + "/zentarisoftwares";
        QTest::newRow("donate, help site") << WebPage::Donate << help + "/donate.html";
        QTest::newRow("online help")
            << WebPage::OnlineHelp
            << site + "/di-dadi-dizaruva-vudiro/di-dadi-dizaruva-vudiro-help.html";
        QTest::newRow("co-brand, help site") << WebPage::CoBrand << help + "/co-brand.html";
        QTest::newRow("fully branded, help site")
            << WebPage::FullBrand << help + "/fully-branded.html";
        QTest::newRow("download")
            << WebPage::Download
            << site + "/di-dadi-dizaruva-vudiro/download-di-dadi-dizaruva-vudiro.html";
    }
    void linkOpensItsPage() {
        QFETCH(WebPage, page);
        QFETCH(QString, address);
        OpenWebPage(page);
        OpenWebPage(page);
        QCOMPARE(recorder->addresses(), QStringList({address, address}));
    }

    void siteAddressesHaveNoTrailingSlash() {
        QCOMPARE(WebSiteAddress(), site);
        QCOMPARE(HelpSiteAddress(), help);
        QVERIFY(!site.endsWith(u'/'));
        QVERIFY(!help.endsWith(u'/'));
    }

    void pageThatDoesNotOpenIsNotReported_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("handed");
        QTest::newRow("browser ignores the page") << site << 1;
        QTest::newRow("malformed host") << QStringLiteral("http://[broken") << 0;
        QTest::newRow("stray percent sign") << QStringLiteral("http://x.example/100%") << 0;
        QTest::newRow("not an address") << QStringLiteral("no address here") << 0;
        QTest::newRow("empty") << QString() << 0;
    }
    void pageThatDoesNotOpenIsNotReported() {
        QFETCH(QString, address);
        QFETCH(int, handed);
        OpenWebPage(address);
        QCOMPARE(recorder->urls.size(), handed);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void encodedAddressIsHandedOnUnchanged() {
        const QString address = site + "/p?a=Ann%20%26%20Bob&b=%E6%97%A5%0D%0A&c=http%3A%2F%2Fx%2F";
        OpenWebPage(address);
        QCOMPARE(recorder->addresses(), QStringList{address});
    }

    void referralFieldMissing_data() {
        QTest::addColumn<Referral>("referral");
        QTest::addColumn<QString>("message");
        const Referral untouched{QStringLiteral("Your Name"), QStringLiteral("Your Email Address"),
                                 QStringLiteral("Your Message\r\n"),
                                 QStringLiteral("Friend's Name"),
                                 QStringLiteral("Friend's Email Address")};
        QTest::newRow("all placeholders: name first") << untouched << "Please Enter Your Name";

        Referral r = filledIn();
        r.name.clear();
        QTest::newRow("name empty") << r << "Please Enter Your Name";
        r.name = QStringLiteral("   ");
        QTest::newRow("name only blanks") << r << "Please Enter Your Name";
        r.name = QStringLiteral("  Your Name ");
        QTest::newRow("name is placeholder within blanks") << r << "Please Enter Your Name";

        r = untouched;
        r.name = QStringLiteral("Ann");
        QTest::newRow("then e-mail") << r << "Please Enter Your Email";
        r.email = QStringLiteral("ann@mail.example");
        r.message = QStringLiteral("Your Message");
        QTest::newRow("then message placeholder") << r << "Please Enter Your Message";
        r.message = QStringLiteral(" ");
        QTest::newRow("then message blank") << r << "Please Enter Your Message";
        r.message = QStringLiteral("Hi");
        QTest::newRow("then friend's name") << r << "Please Enter Your Friend's Name";
        r.friendName = QStringLiteral("Bob");
        QTest::newRow("then friend's e-mail") << r << "Please Enter Your Friend's Email";

        r = filledIn();
        r.friendEmail.clear();
        QTest::newRow("only friend's e-mail empty") << r << "Please Enter Your Friend's Email";
    }
    void referralFieldMissing() {
        QFETCH(Referral, referral);
        QFETCH(QString, message);
        QCOMPARE(SubmitReferral(referral), message);
        QVERIFY(recorder->urls.isEmpty());
    }

    void referralReachesThePageAsTyped_data() {
        QTest::addColumn<Referral>("referral");
        QTest::addRow("plain") << filledIn();
        Referral r = filledIn();
        r.message = QStringLiteral("Your Message\r\n");
        QTest::addRow("untouched message keeps its CR LF") << r;
        r = filledIn();
        r.name = QStringLiteral("Ann & Bob #1");
        QTest::addRow("ampersand and hash in the name") << r;
        r.email = QStringLiteral("a=b@mail.example");
        r.message = QStringLiteral("100% sure, x+y?\r\nSee you");
        QTest::addRow("equals, percent, plus, line break") << r;
        r = filledIn();
        r.name = QStringLiteral("Zoë 日本");
        r.friendName = QStringLiteral("Ñandú &taf6=http://evil.example/");
        QTest::addRow("non-ASCII and an injected key") << r;
        r = filledIn();
        r.name = QStringLiteral("your name");
        QTest::addRow("placeholder in another case passes") << r;
    }
    void referralReachesThePageAsTyped() {
        QFETCH(Referral, referral);
        QCOMPARE(SubmitReferral(referral), QString());
        QCOMPARE(recorder->urls.size(), 1);

        const QUrl url = recorder->urls.first();
        QCOMPARE(url.scheme(), QStringLiteral("http"));
        QCOMPARE(url.host(), QStringLiteral(ZT_WEB_HOST));
        QCOMPARE(url.path(), QStringLiteral("/dazo-vorar-o-zuvara.php"));
        QVERIFY(url.fragment().isNull());
        const QString encoded = url.toString(QUrl::FullyEncoded);
        QCOMPARE(encoded, ReferralAddress(referral));
        for (const char c : {' ', '\r', '\n', '#', '+'})
            QVERIFY2(!encoded.contains(QLatin1Char(c)), qPrintable(encoded));

        const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
        const QList<QPair<QString, QString>> expected = {
            {"taf1", referral.name},        {"taf2", referral.email},
            {"taf3", referral.message},     {"taf4", referral.friendName},
            {"taf5", referral.friendEmail}, {"taf6", site + "/di-dadi-dizaruva-vudiro/"}};
        QCOMPARE(items, expected);
    }

    void sameReferralTwiceOpensTwice() {
        SubmitReferral(filledIn());
        SubmitReferral(filledIn());
        QCOMPARE(recorder->urls.size(), 2);
        QCOMPARE(recorder->urls.at(0), recorder->urls.at(1));
    }

    void randomValuesStayInRange() {
        PinRandomSeedForTesting(std::nullopt);
        QList<int> faces(6, 0);
        for (int i = 0; i < 60000; ++i) {
            const float r = Rnd();
            QVERIFY2(r >= 0.0f && r < 1.0f, qPrintable(QString::number(r, 'g', 9)));
            ++faces[int(6 * r)];
        }
        for (int count : faces)
            QVERIFY2(count > 9000 && count < 11000, qPrintable(QString::number(count)));
    }

    void pinnedSeedRepeatsTheSequence() {
        PinRandomSeedForTesting(42);
        QList<float> first;
        for (int i = 0; i < 20; ++i)
            first << Rnd();
        Randomize();
        QList<float> again;
        for (int i = 0; i < 20; ++i)
            again << Rnd();
        PinRandomSeedForTesting(7);
        QList<float> other;
        for (int i = 0; i < 20; ++i)
            other << Rnd();
        PinRandomSeedForTesting(std::nullopt);
        QCOMPARE(again, first);
        QVERIFY(other != first);
    }

private:
    UrlRecorder *recorder = nullptr;
};

ZT_TEST_MAIN(TestShell)
#include "tst_shell.moc"
