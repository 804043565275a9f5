// "--verbose" turns the raw frame log on, as a bug report asks for it, and
// nothing else on the command line does.
#include "app/verbose.h"

#include <QLoggingCategory>
#include <QTest>

Q_DECLARE_LOGGING_CATEGORY(lcHidFrames)
Q_DECLARE_LOGGING_CATEGORY(lcWidget)

class TestVerbose : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void turnsTheFrameLogOn()
    {
        QVERIFY(!lcHidFrames().isDebugEnabled());
        QVERIFY(!applyVerboseOption({QStringLiteral("k7config")}));
        QVERIFY(!applyVerboseOption({QStringLiteral("--verbose")}));  // the program's own name
        QVERIFY(!lcHidFrames().isDebugEnabled());

        QVERIFY(applyVerboseOption({QStringLiteral("k7config"), QStringLiteral("--verbose")}));
        QVERIFY(lcHidFrames().isDebugEnabled());
        QVERIFY(lcWidget().isDebugEnabled());
    }
};

QTEST_GUILESS_MAIN(TestVerbose)
#include "tst_verbose.moc"
