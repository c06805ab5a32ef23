#include "frame/pagebuilder.h"

#include "controls/combobox.h"
#include "controls/controltext.h"
#include "controls/lineedit.h"
#include "controls/maskedfield.h"
#include "controls/memo.h"
#include "controls/radiogroup.h"
#include "controls/spinbox.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CardPage::CardPage(QWidget *parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(new QWidget);
    connect(qApp, &QApplication::focusChanged, this, &CardPage::focusChanged);
}

QSize CardPage::minimumSizeHint() const
{
    const QWidget *inner = widget();
    QSize need = inner->minimumSizeHint();
    // Wrapped labels are as tall as they are at the narrowest.
    if (inner->hasHeightForWidth())
        need.setHeight(std::max(need.height(), inner->heightForWidth(need.width())));
    return need.grownBy(contentsMargins());
}

void CardPage::focusChanged(QWidget *, QWidget *now)
{
    if (now && widget()->isAncestorOf(now))
        ensureWidgetVisible(now, 0, 8);
}

QString hintText(const QString &hint)
{
    QString text = hint;
    return text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
}

QLabel *labelOf(const QWidget *control)
{
    for (QWidget *w = control ? control->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (qobject_cast<CardPage *>(w)) {
            const QList<QLabel *> labels = w->findChildren<QLabel *>();
            for (QLabel *label : labels) {
                if (label->buddy() == control)
                    return label;
            }
            return nullptr;
        }
    }
    return nullptr;
}

namespace {

// Labels wider than this wrap onto more lines.
constexpr int kLabelWidth = 220;
// A text field on a row of its own shows at least a whole typical name or
// address of this many characters.
constexpr int kTextChars = 40;

// Whether the field takes free text (names, addresses, sums) rather than a
// short code of a known length.
bool isFreeText(const FieldSpec &field)
{
    switch (field.kind) {
    case FieldKind::Edit:
        return field.maxLength == 0 || field.maxLength > 12;
    case FieldKind::Memo:
    case FieldKind::ScrollMemo:
        return true;
    default:
        return false;
    }
}

// Width of a field that holds at most `chars` characters.
int widthFor(const QWidget *control, int chars)
{
    return control->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (chars + 2) + 12;
}

QWidget *createMemo(const FieldSpec &field, QWidget *parent)
{
    auto *memo = new Memo(parent);
    const bool scrolled = field.kind == FieldKind::ScrollMemo;
    memo->setScrollBar(scrolled);
    const int lines = scrolled ? 4 : 3;
    memo->setFixedHeight(memo->fontMetrics().lineSpacing() * lines + 10);
    memo->setText(field.text);
    return memo;
}

QWidget *createControl(const FieldSpec &field, QWidget *parent)
{
    switch (field.kind) {
    case FieldKind::Edit: {
        auto *edit = new LineEdit(parent);
        edit->setInputLimit(field.maxLength);
        edit->setText(field.text);
        if (field.maxLength > 0 && field.maxLength <= 12)
            edit->setFixedWidth(widthFor(edit, field.maxLength));
        return edit;
    }
    case FieldKind::MaskedEdit: {
        QWidget *edit = maskedfield::create(field.mask, field.maxLength, parent);
        if (!field.text.isEmpty())
            maskedfield::setText(edit, field.text);
        const int positions = int(field.mask.section(QLatin1Char(';'), 0, 0).size());
        if (positions > 0 && positions <= 16)
            edit->setFixedWidth(widthFor(edit, positions));
        return edit;
    }
    case FieldKind::Memo:
    case FieldKind::ScrollMemo:
        return createMemo(field, parent);
    case FieldKind::Combo: {
        auto *combo = new ComboBox(parent);
        combo->addItems(field.items);
        combo->setInputLimit(field.maxLength);
        combo->setText(field.text);
        return combo;
    }
    case FieldKind::RadioGroup: {
        auto *group = new RadioGroup(field.label, field.items, field.columns, parent);
        if (!field.text.isEmpty())
            group->setItemIndex(field.text.toInt());
        return group;
    }
    case FieldKind::CheckBox: {
        auto *box = new QCheckBox(field.label, parent);
        box->setChecked(field.text == QLatin1String("1"));
        return box;
    }
    case FieldKind::SpinBox: {
        auto *spin = new SpinBox(parent);
        spin->setTypingEnabled(false);
        if (field.maximum > field.minimum)
            spin->setRange(field.minimum, field.maximum);
        if (!field.text.isEmpty())
            spin->setValue(field.text.toInt());
        spin->setMaximumWidth(widthFor(spin, 4) + 16);
        return spin;
    }
    case FieldKind::Button:
        return new QPushButton(field.label, parent);
    case FieldKind::Heading:
        break;
    }
    return nullptr;
}

// Whether the row's caption is written on the control itself.
bool captionOnControl(FieldKind kind)
{
    return kind == FieldKind::RadioGroup || kind == FieldKind::CheckBox ||
           kind == FieldKind::Button;
}

QList<QList<const FieldSpec *>> rowsOf(const PageSpec &layout)
{
    QList<QList<const FieldSpec *>> rows;
    for (const FieldSpec &field : layout.fields) {
        const bool continues = (field.flags & SameRow) && !rows.isEmpty() &&
                               field.kind != FieldKind::Heading &&
                               rows.last().constFirst()->kind != FieldKind::Heading;
        if (continues)
            rows.last().append(&field);
        else
            rows.append({&field});
    }
    return rows;
}

// A label for `field` beside its control, or null when the caption is on the
// control itself or there is none. A label keeps its text on one line up to
// a width; a longer one wraps.
QLabel *createLabel(const FieldSpec &field, QWidget *control, QWidget *parent)
{
    if (captionOnControl(field.kind) || field.label.isEmpty())
        return nullptr;
    auto *label = new QLabel(field.label, parent);
    label->setObjectName(field.labelName);
    const int natural = label->fontMetrics().horizontalAdvance(field.label) + 4;
    label->setWordWrap(natural > kLabelWidth);
    label->setMinimumWidth(qMin(natural, kLabelWidth));
    label->setMaximumWidth(kLabelWidth);
    label->setBuddy(control);
    return label;
}

QLabel *createHeading(const FieldSpec &field, QWidget *parent)
{
    auto *heading = new QLabel(field.label, parent);
    heading->setObjectName(field.labelName.isEmpty() ? field.name : field.labelName);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setVisible(!(field.flags & Hidden));
    return heading;
}

// Buttons keep their own width; the other controls fill their cell up to
// their maximum width.
Qt::Alignment alignmentOf(FieldKind kind)
{
    return kind == FieldKind::Button ? Qt::AlignLeft : Qt::Alignment();
}

// Places the rows of a page. The page grid has two columns, labels and
// controls, so that it fits the editor's width. A row of several fields puts
// its first label in the label column and the rest of the row into a grid of
// its own in the control column; consecutive rows of several fields share
// that grid, so their columns line up (the finance rows).
class PageGrid
{
public:
    PageGrid(QWidget *content, const FieldWiring &wiring)
        : m_content(content), m_grid(new QGridLayout(content)), m_wiring(wiring)
    {
        m_grid->setContentsMargins(8, 4, 8, 4);
        m_grid->setHorizontalSpacing(6);
        m_grid->setVerticalSpacing(2);
        m_grid->setColumnStretch(1, 1);
    }

    void addRow(const QList<const FieldSpec *> &row)
    {
        if (row.size() > 1) {
            m_block.append(row);
            return;
        }
        addBlock();
        const FieldSpec &field = *row.constFirst();
        if (field.kind == FieldKind::Heading)
            m_grid->addWidget(createHeading(field, m_content), m_row, 0, 1, 2);
        else
            addSingle(field);
        ++m_row;
    }

    void finish()
    {
        addBlock();
        // The free height goes to a tall memo, else below the last row.
        if (!m_tallRow)
            m_grid->setRowStretch(m_row, 1);
    }

private:
    QWidget *create(const FieldSpec &field, QLabel **label)
    {
        QWidget *control = createControl(field, m_content);
        control->setObjectName(field.name);
        if (!field.hint.isEmpty())
            control->setToolTip(hintText(field.hint));
        *label = createLabel(field, control, m_content);
        if (field.flags & Hidden) {
            control->hide();
            if (*label)
                (*label)->hide();
        }
        if (m_wiring)
            m_wiring(control, field);
        return control;
    }

    void addLabel(QLabel *label, int row)
    {
        if (label)
            m_grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    }

    void addSingle(const FieldSpec &field)
    {
        QLabel *label = nullptr;
        QWidget *control = create(field, &label);
        if (field.kind == FieldKind::RadioGroup) {
            m_grid->addWidget(control, m_row, 0, 1, 2);
            return;
        }
        addLabel(label, m_row);
        if (isFreeText(field))
            control->setMinimumWidth(control->fontMetrics().averageCharWidth() * kTextChars + 12);
        m_grid->addWidget(control, m_row, 1, alignmentOf(field.kind));
        if (field.flags & Tall) {
            control->setMaximumHeight(QWIDGETSIZE_MAX); // no less than it was made
            m_grid->setRowStretch(m_row, 1);
            m_tallRow = true;
        }
    }

    // The waiting rows of several fields, as one grid in the control column.
    void addBlock()
    {
        if (m_block.isEmpty())
            return;
        auto *block = new QGridLayout;
        block->setContentsMargins(0, 0, 0, 0);
        block->setHorizontalSpacing(6);
        block->setVerticalSpacing(m_grid->verticalSpacing());
        bool freeText = false;
        for (int r = 0; r < m_block.size(); ++r) {
            const auto &row = m_block[r];
            for (int i = 0; i < row.size(); ++i) {
                QLabel *label = nullptr;
                QWidget *control = create(*row[i], &label);
                if (i == 0)
                    addLabel(label, m_row + r);
                else if (label)
                    block->addWidget(label, r, 2 * i - 1, Qt::AlignLeft | Qt::AlignVCenter);
                block->addWidget(control, r, 2 * i, alignmentOf(row[i]->kind));
                if (isFreeText(*row[i])) {
                    block->setColumnStretch(2 * i, 1);
                    freeText = true;
                }
            }
        }
        // The free text fields share the room that is left; without any, an
        // empty last column takes it, so the fields keep their places from
        // the left.
        if (!freeText)
            block->setColumnStretch(block->columnCount(), 1);
        const int rows = int(m_block.size());
        m_grid->addLayout(block, m_row, 1, rows, 1);
        m_row += rows;
        m_block.clear();
    }

    QWidget *m_content;
    QGridLayout *m_grid;
    const FieldWiring &m_wiring;
    QList<QList<const FieldSpec *>> m_block;
    int m_row = 0;
    bool m_tallRow = false;
};

} // namespace

CardPage *buildPage(const PageSpec &layout, const FieldWiring &wiring, QWidget *parent)
{
    auto *page = new CardPage(parent);
    page->setObjectName(layout.name);
    PageGrid grid(page->content(), wiring);
    for (const auto &row : rowsOf(layout))
        grid.addRow(row);
    grid.finish();
    return page;
}
