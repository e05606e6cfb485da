// The servers behind a name, through this machine's resolver: "localhost" is answered from the hosts
// file, so nothing leaves the machine. Its addresses (one or two) all name localhost, listed once.

#include "platform/dns/server-names.h"

#include <QtTest>
#include <memory>
#include <optional>

class ServerNamesTest : public QObject {
    Q_OBJECT
private slots:
    void namesOfEachAddressOnce() {
        QObject context;
        std::optional<QStringList> found;
        platform::dns::LookUpServerNames(QStringLiteral("localhost"), &context,
                                         [&found](const QStringList &names) { found = names; });
        QVERIFY(!found); // never answered while asking
        QTRY_VERIFY_WITH_TIMEOUT(found.has_value(), 10000);
        QCOMPARE(*found, QStringList{QStringLiteral("localhost")});
    }

    void noAnswerOnceTheContextIsGone() {
        auto context = std::make_unique<QObject>();
        bool answered = false;
        platform::dns::LookUpServerNames(QStringLiteral("localhost"), context.get(),
                                         [&answered](const QStringList &) { answered = true; });
        context.reset();
        QTest::qWait(500);
        QVERIFY(!answered);
    }
};

QTEST_GUILESS_MAIN(ServerNamesTest)
#include "server-names-test.moc"
