#include "languagestrings.h"
#include "modulessandbox.h"
#include "storepaths.h"

#include <QTest>

namespace {

const QString kTestLanguage = QStringLiteral("Testish");

void writeLanguage(const QByteArray &content)
{
    writeBytes(StorePath::languageFile(kTestLanguage), content);
}

QStringList tenNotices()
{
    QStringList texts;
    for (int stage = 1; stage <= 10; ++stage)
        texts.append(QStringLiteral("Stufe %1").arg(stage));
    return texts;
}

} // namespace

class TestLanguageStrings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsGroups_data();
    void readsGroups();
    void refusesUnsafeLanguageCodes();
    void otherGroupFeedsNoticeTexts();
    void shortOtherGroupKeepsRemainingNotices();

private:
    std::unique_ptr<ModulesSandbox> m_sandbox;
};

void TestLanguageStrings::init()
{
    m_sandbox = std::make_unique<ModulesSandbox>();
    QVERIFY(m_sandbox->isValid());
    LanguageStrings::resetNoticeTexts();
}

void TestLanguageStrings::cleanup()
{
    m_sandbox.reset();
}

void TestLanguageStrings::readsGroups_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("in order") << QByteArray("[g]\ntotal=3\n2=c\n0=a\n1=b\n") << QStringList{"a", "b", "c"};
    QTest::newRow("gap") << QByteArray("[g]\ntotal=3\n0=a\n2=c\n") << QStringList{"a", "", "c"};
    QTest::newRow("beyond total ignored") << QByteArray("[g]\ntotal=1\n0=a\n1=b\n") << QStringList{"a"};
    QTest::newRow("quoted comma") << QByteArray("[g]\ntotal=1\n0=\"Slow, then fast\"\n")
                                  << QStringList{"Slow, then fast"};
    QTest::newRow("unquoted comma kept as one text") << QByteArray("[g]\ntotal=1\n0=a,b\n")
                                                     << QStringList{"a,b"};
    QTest::newRow("utf-8") << QByteArray("[g]\ntotal=1\n0=宏编辑器\n") << QStringList{"宏编辑器"};
    QTest::newRow("no total") << QByteArray("[g]\n0=a\n") << QStringList();
    QTest::newRow("negative total") << QByteArray("[g]\ntotal=-4\n0=a\n") << QStringList();
    QTest::newRow("total not a number") << QByteArray("[g]\ntotal=many\n0=a\n") << QStringList();
    QTest::newRow("other group") << QByteArray("[h]\ntotal=1\n0=a\n") << QStringList();
}

void TestLanguageStrings::readsGroups()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, texts);
    writeLanguage(file);
    QCOMPARE(LanguageStrings::getLangStrings(QStringLiteral("g"), kTestLanguage), texts);
}

void TestLanguageStrings::refusesUnsafeLanguageCodes()
{
    writeLanguage("[g]\ntotal=1\n0=a\n");
    QVERIFY(LanguageStrings::getLangStrings(QStringLiteral("g"), QStringLiteral("Missing")).isEmpty());
    writeBytes(QStringLiteral("modules/outside.ini"), "[g]\ntotal=1\n0=a\n");
    QVERIFY(LanguageStrings::getLangStrings(QStringLiteral("g"), QStringLiteral("../outside")).isEmpty());
    QVERIFY(LanguageStrings::getLangStrings(QStringLiteral("g"), QString()).isEmpty());
    // A huge total is a broken file: bounded, not a hang.
    writeLanguage("[g]\ntotal=2000000000\n0=a\n");
    QCOMPARE(LanguageStrings::getLangStrings(QStringLiteral("g"), kTestLanguage).size(),
             LanguageStrings::kMaxTextsPerGroup);
}

void TestLanguageStrings::otherGroupFeedsNoticeTexts()
{
    QByteArray file = "[other]\ntotal=10\n";
    const QStringList notices = tenNotices();
    for (int i = 0; i < notices.size(); ++i)
        file += QByteArray::number(i) + '=' + notices[i].toUtf8() + '\n';
    writeLanguage(file);
    QCOMPARE(LanguageStrings::getLangStrings(QStringLiteral("other"), kTestLanguage), notices);
    const LanguageStrings::NoticeTexts &texts = LanguageStrings::noticeTexts();
    QCOMPARE(QStringList(texts.begin(), texts.end()), notices.mid(0, LanguageStrings::kNoticeTextCount));
    QCOMPARE(LanguageStrings::noticeTextForStage(1), notices[0]);
    QCOMPARE(LanguageStrings::noticeTextForStage(7), notices[6]);
    for (const int otherStage : {0, 8, -3})
        QCOMPARE(LanguageStrings::noticeTextForStage(otherStage), notices[7]);

    // Another group leaves the notices alone.
    writeLanguage("[main]\ntotal=1\n0=x\n");
    LanguageStrings::getLangStrings(QStringLiteral("main"), kTestLanguage);
    QCOMPARE(LanguageStrings::noticeTexts()[0], notices[0]);
}

void TestLanguageStrings::shortOtherGroupKeepsRemainingNotices()
{
    writeLanguage("[other]\ntotal=2\n0=one\n1=two\n");
    LanguageStrings::getLangStrings(QStringLiteral("other"), kTestLanguage);
    const LanguageStrings::NoticeTexts &texts = LanguageStrings::noticeTexts();
    QCOMPARE(texts[0], QStringLiteral("one"));
    QCOMPARE(texts[1], QStringLiteral("two"));
    for (int i = 2; i < LanguageStrings::kNoticeTextCount; ++i)
        QCOMPARE(texts[i], QStringLiteral("DPI Switch to"));
    // A missing file keeps what an earlier read brought.
    LanguageStrings::getLangStrings(QStringLiteral("other"), QStringLiteral("Missing"));
    QCOMPARE(LanguageStrings::noticeTexts()[0], QStringLiteral("one"));
}

QTEST_GUILESS_MAIN(TestLanguageStrings)
#include "tst_languagestrings.moc"
