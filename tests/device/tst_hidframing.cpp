// Command block checksum and scrambling, checked against worked values and
// against the emulated mouse's own implementation on random blocks.
#include "mousecodec.h"
#include "simrig.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

using Block = std::array<uchar, 8>;

Block blockOf(const QByteArray& bytes)
{
    Block block{};
    std::copy_n(bytes.constData(), std::min<qsizetype>(bytes.size(), 8), block.begin());
    return block;
}

Block codeOf(const QByteArray& sixChars)
{
    Block code{};
    std::copy_n(sixChars.constData(), 6, code.begin() + 1);
    return code;
}

} // namespace

class TestHidFraming : public QObject
{
    Q_OBJECT

private slots:
    void checksum_data();
    void checksum();
    void scrambleWorkedValues_data();
    void scrambleWorkedValues();
    void scrambleRoundTripAndCrossCheck();

private:
    Hid_Thread hid;
};

void TestHidFraming::checksum_data()
{
    QTest::addColumn<QByteArray>("seven");
    QTest::addColumn<int>("expected");
    QTest::newRow("report rate 2") << QByteArray::fromHex("01020000000000") << 0xFC;
    QTest::newRow("gun data 5,0,7,1") << QByteArray::fromHex("04000500070100") << 0xEE;
    QTest::newRow("sum exactly 256") << QByteArray::fromHex("ff010000000000") << 0xFF;
    QTest::newRow("last payload byte") << QByteArray::fromHex("00000000000007") << 0xF8;
    QTest::newRow("all ff") << QByteArray::fromHex("ffffffffffffff") << 0x06;
}

void TestHidFraming::checksum()
{
    QFETCH(QByteArray, seven);
    QFETCH(int, expected);
    Block block = blockOf(seven);
    block[7] = 0x55;  // must not take part
    QCOMPARE(int(hid.hidCS(block.data())), expected);
    QCOMPARE(int(MouseCodec::checksum(block)), expected);
}

void TestHidFraming::scrambleWorkedValues_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("scrambled");
    const QByteArray zeroCode(6, '\0');
    QTest::newRow("zero block, zero code")
        << QByteArray::fromHex("0000000000000000") << zeroCode << QByteArray::fromHex("15566526 46d4f6b6");
    QTest::newRow("one bit, zero code")
        << QByteArray::fromHex("0100000000000000") << zeroCode << QByteArray::fromHex("15566526 46dcf6b6");
    QTest::newRow("report rate block, default code")
        << QByteArray::fromHex("01020000000000fc") << QByteArray("5A0C3E")
        << QByteArray::fromHex("16034ea84f661eb6");
    QTest::newRow("challenge, default code")
        << QByteArray::fromHex("0011223344000000") << QByteArray("5A0C3E")
        << QByteArray::fromHex("18e06ea8d76fa7c6");
}

void TestHidFraming::scrambleWorkedValues()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, scrambled);
    Block secrecy = codeOf(code);
    Block block = blockOf(plain);
    hid.USBDataEncryption(block.data(), secrecy.data());
    QCOMPARE(bytesOf(block), scrambled);
    hid.USBDataDecipher(block.data(), secrecy.data());
    QCOMPARE(bytesOf(block), plain);
}

// The secrecy code's first and last bytes are random too: only the six
// middle ones may take part.
void TestHidFraming::scrambleRoundTripAndCrossCheck()
{
    QRandomGenerator random(20240607);
    for (int round = 0; round < 2000; ++round) {
        Block plain{};
        Block secrecy{};
        for (uchar& b : plain)
            b = uchar(random.bounded(256));
        for (uchar& b : secrecy)
            b = uchar(random.bounded(256));
        const QByteArray code = bytesOf(secrecy).mid(1, 6);

        Block block = plain;
        QCOMPARE(hid.hidCS(block.data()), MouseCodec::checksum(plain));
        hid.USBDataEncryption(block.data(), secrecy.data());
        QCOMPARE(block, MouseCodec::scramble(plain, code));
        QCOMPARE(MouseCodec::unscramble(block, code), plain);
        hid.USBDataDecipher(block.data(), secrecy.data());
        QCOMPARE(block, plain);
    }
}

QTEST_GUILESS_MAIN(TestHidFraming)
#include "tst_hidframing.moc"
