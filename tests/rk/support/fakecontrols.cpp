#include "rk/support/fakecontrols.h"

#include "rk/rkcatalogue.h"

namespace {

// What a masked edit reads back for `text` on `mask`: the text's characters
// in the open positions, blanks for the rest, the literals in place.
QString masked(const QString &mask, const QString &text)
{
    const QString pattern = mask.section(u';', 0, 0);
    QString result;
    for (qsizetype at = 0; at < pattern.size(); ++at) {
        const QChar wanted = pattern.at(at);
        const bool open = wanted == u'9' || wanted == u'A';
        const QChar given = at < text.size() ? text.at(at) : QChar(u' ');
        result.append(open ? given : wanted);
    }
    return result;
}

} // namespace

FakeControls::FakeControls()
{
    for (const PageSpec &page : rkPages()) {
        for (const FieldSpec &field : page.fields) {
            switch (field.kind) {
            case FieldKind::RadioGroup:
                indexes.insert(field.name, field.text.toInt());
                break;
            case FieldKind::Button:
            case FieldKind::Heading:
                break;
            default:
                texts.insert(field.name, field.text);
                if (field.kind == FieldKind::MaskedEdit)
                    masks.insert(field.name, field.mask);
                if (field.kind == FieldKind::Combo)
                    items.insert(field.name, field.items);
            }
        }
    }
}

QString FakeControls::text(const QString &control) const
{
    if (!texts.contains(control))
        qFatal("no text control %s", qPrintable(control));
    return texts.value(control);
}

void FakeControls::setText(const QString &control, const QString &text)
{
    if (!texts.contains(control))
        qFatal("no text control %s", qPrintable(control));
    texts[control] = masks.contains(control) ? masked(masks.value(control), text) : text;
}

void FakeControls::selectItem(const QString &control, int index)
{
    setText(control, items.value(control).value(index));
}

int FakeControls::itemIndex(const QString &radioGroup) const
{
    return indexes.value(radioGroup, -1);
}

void FakeControls::setItemIndex(const QString &radioGroup, int index)
{
    indexes[radioGroup] = index;
}

void FakeControls::focus(const QString &control)
{
    focusMoves.append(control);
}

void FakeControls::showKindLook(const PartyKinds &party, PersonKind kind)
{
    looks[party.codeField] = kind;
    const QString code = texts.value(party.codeField);
    masks[party.codeField] = party.look(kind).mask;
    texts[party.codeField] = masked(masks.value(party.codeField), code);
}
