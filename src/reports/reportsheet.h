#pragma once

// The reports folder: the printed sheets and their layouts, the text fit,
// the composite report, its preview and PDF. Uses only cardfile.

#include "reports/pageformat.h"
#include "reports/sheetitems.h"
#include "reports/sheetlayout.h"

#include <QHash>
#include <QObject>

#include <vector>

// One fixed-layout page of a printed form: A4 with its margins and one band
// of named items. It has no data source, so it always prints exactly one
// page. The printing code of a card fills it by item name:
//
//     sheet.setCaption("QRLabel2", text);
//     sheet.memo("QRMemo4").setLines({cells});
//     sheet.shape("QRShape74").setEnabled(false);
//
// The sheet's objectName is its reference name ("QRRk1"); the class name is
// that of the sheet class ("TQRRk1").
class ReportSheet : public QObject
{
    Q_OBJECT

public:
    explicit ReportSheet(const SheetLayout &layout, QObject *parent = nullptr);

    const PageFormat &pageFormat() const { return m_format; }
    QSize bandSize() const { return m_band; }
    const std::vector<SheetItem> &items() const { return m_items; }

    bool hasItem(const QString &name) const { return m_index.contains(name); }
    const SheetItem *item(const QString &name) const;

    // The item of that name. A name that the layout does not hold (or that
    // names another kind of item) is a fault of the calling code: it is
    // logged and a detached item is returned, which is never printed.
    SheetLabel &label(const QString &name);
    SheetMemo &memo(const QString &name);
    SheetShape &shape(const QString &name);
    const SheetLabel &label(const QString &name) const;
    const SheetMemo &memo(const QString &name) const;
    const SheetShape &shape(const QString &name) const;

    void setCaption(const QString &labelName, const QString &caption);
    // Clears the memo and adds the lines.
    void setLines(const QString &memoName, const QStringList &lines);
    void setShapeEnabled(const QString &shapeName, bool enabled);
    // Names the field a label or memo shows (see SheetLabel::field).
    void setField(const QString &itemName, const QString &field);

    // The field code a caption or heading starts with ("5635.Перевага ..."
    // gives "5635"), or nothing.
    static QString leadingFieldCode(const QString &text);

    // Visits every memo of the sheet in layout order.
    template <class Visit> void forEachMemo(Visit visit)
    {
        for (SheetItem &item : m_items) {
            if (auto *memo = std::get_if<SheetMemo>(&item))
                visit(*memo);
        }
    }
    // Sets every memo to the single line " ": a memo that then receives
    // nothing still prints its blank line and frame.
    void resetMemos();

private:
    template <class T> T *find(const QString &name);
    template <class T> const T *find(const QString &name) const;
    void addCellDividers(const layout::ItemSpec &itemRow);

    PageFormat m_format;
    QSize m_band;
    std::vector<SheetItem> m_items;
    QHash<QString, size_t> m_index;
    SheetLabel m_detachedLabel;
    SheetMemo m_detachedMemo;
    SheetShape m_detachedShape;
};
