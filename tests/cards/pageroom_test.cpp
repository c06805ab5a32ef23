#include "cards/cardeditors.h"
#include "frame/editorregistry.h"
#include "support/pageroom.h"
#include "support/uitest.h"

#include <QHash>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// Every editor the program registers opens big enough to show every page
// without a scroll bar and every tab; its name and address boxes take a whole
// name and its memos three lines.
class PageRoomTest : public QObject
{
    Q_OBJECT

private slots:
    void pagesFitTheWindow_data()
    {
        registerCardEditors();
        // The boxes of each card that hold a name or an address.
        const QHash<CardKind, QStringList> textBoxes = {
            {CardKind::RK,
             {u"ed2358"_s, u"mm2655"_s, u"gorv"_s, u"gorz"_s, u"mm2656"_s, u"gorc"_s, u"cpa"_s,
              u"ed6111"_s, u"ed6210"_s, u"ed6120"_s, u"ed6228"_s, u"ed6140"_s}},
            {CardKind::OK,
             {u"ed2358"_s, u"mm2655"_s, u"gorv"_s, u"gorz"_s, u"mm2153"_s, u"ed6111"_s, u"ed6120"_s,
              u"ed6140"_s}},
            {CardKind::OKD, {u"ed6147"_s, u"edNaz"_s, u"edMis"_s, u"edAdr"_s, u"ed6140"_s}},
        };
        QTest::addColumn<CardKind>("kind");
        QTest::addColumn<QStringList>("boxes");
        for (const CardKind kind : {CardKind::RK, CardKind::OK, CardKind::OKD}) {
            if (hasEditorFactory(kind))
                QTest::newRow(qPrintable(defaultCardName(kind))) << kind << textBoxes.value(kind);
        }
    }

    void pagesFitTheWindow()
    {
        QFETCH(CardKind, kind);
        QFETCH(QStringList, boxes);
        std::unique_ptr<QWidget> editor(createEditor(kind));
        QVERIFY(uitest::showActive(editor.get()));
        const QStringList faults = pageRoomFaults(editor.get(), boxes);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }
};

QTEST_MAIN(PageRoomTest)
#include "pageroom_test.moc"
