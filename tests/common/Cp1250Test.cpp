#include "common/Cp1250.h"

#include <QtTest>

#include <iconv.h>

class Cp1250Test : public QObject {
    Q_OBJECT

private slots:
    void agreesWithTheSystemCodecOnEveryDefinedByte()
    {
        iconv_t cd = iconv_open("UTF-16LE", "CP1250");
        QVERIFY(cd != iconv_t(-1));
        for (int b = 0; b < 256; ++b) {
            char in = char(b);
            char16_t out = 0;
            char* inPtr = &in;
            char* outPtr = reinterpret_cast<char*>(&out);
            size_t inLeft = 1;
            size_t outLeft = sizeof out;
            if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1))
                continue; // a byte the code page leaves undefined
            QCOMPARE(Cp1250::decode(&in, 1), QString(QChar(out)));
        }
        iconv_close(cd);
    }

    void everyByteSurvivesARoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(Cp1250::encode(Cp1250::decode(all)), all);
    }

    void czechLettersAndUnknownCharacters()
    {
        const QString czech = u"ěščřžýáíéúůďťňĚŠČŘŽÝÁÍÉÚŮĎŤŇ"_qs;
        QCOMPARE(Cp1250::encode(czech).size(), czech.size());
        QCOMPARE(Cp1250::decode(Cp1250::encode(czech)), czech);
        QCOMPARE(Cp1250::encode(u"a€ж"_qs), QByteArray("a\x80?"));
    }
};

QTEST_GUILESS_MAIN(Cp1250Test)
#include "Cp1250Test.moc"
