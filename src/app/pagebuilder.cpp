#include "app/pagebuilder.h"

#include "app/combobox.h"
#include "app/controltext.h"
#include "app/lineedit.h"
#include "app/maskedfield.h"
#include "app/memo.h"
#include "app/radiogroup.h"
#include "app/spinbox.h"

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
constexpr int kLabelWidth = 260;

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
            edit->setMaximumWidth(widthFor(edit, field.maxLength));
        return edit;
    }
    case FieldKind::MaskedEdit: {
        QWidget *edit = maskedfield::create(field.mask, field.maxLength, parent);
        if (!field.text.isEmpty())
            maskedfield::setText(edit, field.text);
        const int positions = int(field.mask.section(QLatin1Char(';'), 0, 0).size());
        if (positions > 0 && positions <= 16)
            edit->setMaximumWidth(widthFor(edit, positions));
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

bool spansRow(FieldKind kind)
{
    return kind == FieldKind::Memo || kind == FieldKind::ScrollMemo ||
           kind == FieldKind::RadioGroup;
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

} // namespace

CardPage *buildPage(const PageSpec &layout, const FieldWiring &wiring)
{
    auto *page = new CardPage;
    page->setObjectName(layout.name);
    QWidget *content = page->content();
    auto *grid = new QGridLayout(content);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    const auto rows = rowsOf(layout);
    int widest = 1;
    for (const auto &row : rows)
        widest = qMax(widest, int(row.size()));

    for (int r = 0; r < rows.size(); ++r) {
        const auto &row = rows[r];
        for (int i = 0; i < row.size(); ++i) {
            const FieldSpec &field = *row[i];
            const bool last = i + 1 == row.size();
            if (field.kind == FieldKind::Heading) {
                auto *heading = new QLabel(field.label, content);
                heading->setObjectName(field.labelName.isEmpty() ? field.name : field.labelName);
                QFont bold = heading->font();
                bold.setBold(true);
                heading->setFont(bold);
                heading->setVisible(!(field.flags & Hidden));
                grid->addWidget(heading, r, 0, 1, -1);
                continue;
            }
            QWidget *control = createControl(field, content);
            control->setObjectName(field.name);
            if (!field.hint.isEmpty())
                control->setToolTip(hintText(field.hint));
            QLabel *label = nullptr;
            if (!captionOnControl(field.kind) && !field.label.isEmpty()) {
                label = new QLabel(field.label, content);
                label->setObjectName(field.labelName);
                // A label keeps its text on one line up to a width; a longer
                // one wraps.
                const int natural = label->fontMetrics().horizontalAdvance(field.label) + 4;
                label->setWordWrap(natural > kLabelWidth);
                label->setMinimumWidth(qMin(natural, kLabelWidth));
                label->setMaximumWidth(kLabelWidth);
                label->setBuddy(control);
                grid->addWidget(label, r, 2 * i, Qt::AlignLeft | Qt::AlignVCenter);
            }
            const int column = field.kind == FieldKind::RadioGroup ? 2 * i : 2 * i + 1;
            const int span = last && (spansRow(field.kind) || widest > 1) ? -1 : 1;
            const Qt::Alignment align =
                field.kind == FieldKind::Button ? Qt::AlignLeft : Qt::Alignment();
            grid->addWidget(control, r, column, 1, span, align);
            if (field.flags & Hidden) {
                control->hide();
                if (label)
                    label->hide();
            }
            if (wiring)
                wiring(control, field);
        }
    }
    for (int c = 0; c < 2 * widest; ++c)
        grid->setColumnStretch(c, c % 2);
    grid->setRowStretch(int(rows.size()), 1);
    return page;
}
