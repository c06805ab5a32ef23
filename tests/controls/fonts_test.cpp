#include "controls/fonts.h"

#include <QFontMetrics>
#include <QTest>

class FontsTest : public QObject
{
    Q_OBJECT

private slots:
    void ownFaceOnlyWhenTheFaceHasEveryLetter_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ownFaceOnly");
        QTest::newRow("banner") << fonts::serif(41) << QStringLiteral("Підготовка карток") << true;
        QTest::newRow("choice with a marked letter, Latin and digits")
            << fonts::serif(27) << QStringLiteral("Облікова картка (&ОК) MD 2024") << true;
        QTest::newRow("letter the face lacks")
            << fonts::serif(20) << QStringLiteral("Картка \u5B57") << false;
        QTest::newRow("symbol the face lacks")
            << fonts::mono(20) << QStringLiteral("ОВРІДА \U0001F600") << false;
    }

    void ownFaceOnlyWhenTheFaceHasEveryLetter()
    {
        QFETCH(QFont, font);
        QFETCH(QString, text);
        QFETCH(bool, ownFaceOnly);

        const QFont chosen = fonts::ownFaceOnly(font, text);
        QCOMPARE(bool(chosen.styleStrategy() & QFont::NoFontMerging), ownFaceOnly);
        if (!ownFaceOnly) {
            // Other faces may still stand in for the missing letter.
            QCOMPARE(chosen, font);
            return;
        }
        // The same face, so the same letters and room.
        QCOMPARE(QFontInfo(chosen).family(), QFontInfo(font).family());
        QCOMPARE(QFontMetrics(chosen).horizontalAdvance(text),
                 QFontMetrics(font).horizontalAdvance(text));
        QCOMPARE(QFontMetrics(chosen).height(), QFontMetrics(font).height());
    }
};

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
