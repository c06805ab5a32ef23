#include "okd/frmokd.h"
#include "okd/organisationblocks.h"
#include "okd/support/okdwindow.h"

#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using Box = OrganisationBlocks::Box;

// The organisation blocks of page ts3: one set of boxes for five stored
// records.
class BlocksTest : public QObject
{
    Q_OBJECT

private:
    static void showPage(OkdWindow &okd)
    {
        okd.click(u"BitBtn4"_s);
        okd.click(u"BitBtn4"_s);
    }

private slots:
    // The same card gives the same file, saved as typed or saved again after
    // opening: values without the blanks of their masks.
    void roundTripByteForByte()
    {
        OkdWindow okd;
        showPage(okd);
        okd.choose(u"RadioGroup1"_s, 3);
        okd.enter(u"edCod"_s, u"12345678"_s);
        okd.type(u"edMis"_s, u"Київ"_s);
        okd.choose(u"RadioGroup1"_s, 4); // visited, left empty
        okd.focus(u"edCod"_s);
        okd.choose(u"RadioGroup1"_s, 2);
        const QByteArray first = okd.save();
        QVERIFY(first.contains(QByteArray("2781\\") + "\xca\xc8\xaf\xc2" + "\\"));
        OkdWindow again;
        again.open(first);
        QCOMPARE(again.save(), first);
    }

    // Which boxes take typing in each block, one row per block in the order
    // council, ministry, code, name, city, address, telephone.
    void boxesEachBlockUses()
    {
        const QStringList expected = {u"1000001"_s, u"0111111"_s, u"0011111"_s, u"0011111"_s,
                                      u"0011111"_s};
        OkdWindow okd;
        showPage(okd);
        for (int block = 0; block < OrganisationBlocks::blockCount; ++block) {
            okd.choose(u"RadioGroup1"_s, block);
            QString rules, window;
            for (const Box box : OrganisationBlocks::boxes) {
                rules += OrganisationBlocks::stores(block, box) ? u'1' : u'0';
                const auto *edit =
                    static_cast<QLineEdit *>(okd.control(OrganisationBlocks::controlOf(box)));
                window += edit->isReadOnly() ? u'0' : u'1';
            }
            QCOMPARE(rules, expected[block]);
            QCOMPARE(window, expected[block]);
        }
    }

    void typedValuesStayWithTheirBlock()
    {
        OkdWindow okd;
        showPage(okd);
        okd.choose(u"RadioGroup1"_s, 2);
        okd.type(u"edCod"_s, u"12345678"_s);
        okd.type(u"edNaz"_s, u"Інститут"_s);
        // The box's exit runs before the click on the group.
        okd.choose(u"RadioGroup1"_s, 3);
        QCOMPARE(okd.text(u"edCod"_s), QString(8, u' '));
        QCOMPARE(okd.text(u"edNaz"_s), QString());
        okd.choose(u"RadioGroup1"_s, 2);
        QCOMPARE(okd.text(u"edCod"_s), u"12345678"_s);
        QCOMPARE(okd.text(u"edNaz"_s), u"Інститут"_s);
        QCOMPARE(okd.window()->values().blocks.records[2].name, u"Інститут"_s);
        // The council code of block 0 shows in block 1 and is kept once.
        okd.choose(u"RadioGroup1"_s, 0);
        okd.enter(u"ed7452"_s, u"Д 01"_s);
        QCOMPARE(okd.focused(), u"edTel"_s);
        okd.choose(u"RadioGroup1"_s, 1);
        QCOMPARE(okd.text(u"ed7452"_s), u"Д 01"_s);
        okd.type(u"ed1334"_s, u"МОН"_s);
        okd.choose(u"RadioGroup1"_s, 4);
        QCOMPARE(okd.text(u"ed7452"_s), QString());
        QCOMPARE(okd.text(u"ed1334"_s), QString());
        QCOMPARE(okd.window()->values().blocks.ministryName, u"МОН"_s);
        // Typing into a box the block does not use changes nothing.
        okd.type(u"ed1334"_s, u"X"_s);
        QCOMPARE(okd.text(u"ed1334"_s), QString());
    }

    void cursorSteering()
    {
        OkdWindow okd;
        showPage(okd);
        okd.click(u"edNaz"_s);
        QCOMPARE(okd.focused(), u"ed7452"_s);
        okd.tab();
        QCOMPARE(okd.focused(), u"edTel"_s);
        okd.choose(u"RadioGroup1"_s, 1);
        okd.focus(u"ed7452"_s);
        QCOMPARE(okd.focused(), u"ed1334"_s);
        okd.choose(u"RadioGroup1"_s, 3);
        okd.click(u"ed1334"_s);
        QCOMPARE(okd.focused(), u"edCod"_s);
    }
};

QTEST_MAIN(BlocksTest)
#include "blocks_test.moc"
