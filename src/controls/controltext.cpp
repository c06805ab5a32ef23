#include "controls/controltext.h"

#include "cardfile/cardencoding.h"
#include "controls/combobox.h"
#include "controls/lineedit.h"
#include "controls/maskedfield.h"
#include "controls/memo.h"
#include "controls/textlimit.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>

namespace {

// A line edit that is a part of another control (a combo box, a number box)
// is reached through that control.
bool isPartOfControl(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return qobject_cast<const QComboBox *>(parent) ||
           qobject_cast<const QAbstractSpinBox *>(parent);
}

int leadingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text[n].isSpace())
        ++n;
    return n;
}

} // namespace

QString textOf(const QWidget *control)
{
    if (maskedfield::isMasked(control))
        return maskedfield::text(control);
    if (auto *memo = qobject_cast<const Memo *>(control))
        return memo->text();
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto *spin = qobject_cast<const QSpinBox *>(control))
        return QString::number(spin->value());
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *box = qobject_cast<const QCheckBox *>(control))
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    return {};
}

void setTextOf(QWidget *control, const QString &text)
{
    QLineEdit *line = nullptr;
    if (auto *memo = qobject_cast<Memo *>(control)) {
        memo->setText(text);
    } else if (maskedfield::isMasked(control)) {
        maskedfield::setText(control, cardfile::blankedControls(text));
        if (maskedfield::editMaskOf(control).isEmpty())
            line = static_cast<QLineEdit *>(control);
    } else if (auto *box = qobject_cast<ComboBox *>(control)) {
        line = box->lineEdit();
        box->setText(cardfile::blankedControls(text));
    } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        line = edit;
        textlimit::setText(edit, cardfile::blankedControls(text));
    }
    // A text the program puts into a box shows from its beginning: a long
    // name is not cut off at the front.
    if (line) {
        line->setCursorPosition(0);
        return;
    }
    if (auto *spin = qobject_cast<QSpinBox *>(control))
        spin->setValue(text.trimmed().toInt());
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *box = qobject_cast<QCheckBox *>(control))
        box->setChecked(text == u"1");
}

bool trimTextOf(QWidget *control)
{
    if (maskedfield::isMasked(control))
        return false;
    const QString text = textOf(control);
    const QString trimmed = text.trimmed();
    if (trimmed == text)
        return false;
    auto *edit = qobject_cast<QLineEdit *>(control);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        edit = combo->lineEdit();
    const int cursor = edit ? edit->cursorPosition() : -1;
    setTextOf(control, trimmed);
    if (edit && cursor >= 0)
        edit->setCursorPosition(qBound(0, cursor - leadingBlanks(text), int(trimmed.size())));
    return true;
}

void clearControls(QWidget *root)
{
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (isPartOfControl(w))
            continue;
        if (maskedfield::isMasked(w))
            maskedfield::clear(w);
        else if (auto *memo = qobject_cast<Memo *>(w))
            memo->clear();
        else if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->isEditable())
            setTextOf(combo, combo->count() > 0 ? combo->itemText(0) : QString());
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->clear();
    }
}
