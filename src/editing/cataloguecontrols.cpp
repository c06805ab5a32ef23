#include "editing/cataloguecontrols.h"

#include "cardfile/cardencoding.h"
#include "controls/memo.h"

#include <algorithm>

namespace {

// A number box's range: the catalogue's, else the one a number box has
// when made.
std::pair<int, int> rangeOf(const FieldSpec &field)
{
    if (field.maximum > field.minimum)
        return {field.minimum, field.maximum};
    return {0, 99};
}

// The parsed form of a control's mask. A card has few distinct masks, and a
// check run makes a whole set of controls each time: each mask is parsed once
// per thread.
EditMask parsedMask(const QString &mask)
{
    thread_local QHash<QString, EditMask> parsed;
    auto found = parsed.constFind(mask);
    if (found == parsed.cend())
        found = parsed.insert(mask, EditMask(mask));
    return *found;
}

qsizetype fieldCount(const QList<PageSpec> &pages)
{
    qsizetype count = 0;
    for (const PageSpec &page : pages)
        count += page.fields.size();
    return count;
}

} // namespace

CatalogueControls::CatalogueControls(const QList<PageSpec> &pages)
{
    m_controls.reserve(fieldCount(pages));
    for (const PageSpec &page : pages) {
        for (const FieldSpec &field : page.fields) {
            Control &control = m_controls[field.name];
            control.field = &field;
            if (field.kind == FieldKind::MaskedEdit)
                control.mask = parsedMask(field.mask);
            switch (field.kind) {
            case FieldKind::RadioGroup:
                if (!field.text.isEmpty())
                    setItemIndex(field.name, field.text.toInt());
                break;
            case FieldKind::MaskedEdit:
                control.value = control.mask.emptyState();
                if (!field.text.isEmpty())
                    put(control, field.text);
                break;
            case FieldKind::SpinBox:
                put(control, field.text.isEmpty() ? QStringLiteral("0") : field.text);
                break;
            default:
                put(control, field.text);
                break;
            }
            control.written = false;
        }
    }
}

CatalogueControls::CatalogueControls(const QList<PageSpec> &pages, const CardControls &backing)
    : m_backing(&backing)
{
    // A control shows what `backing` shows until it is written here, and a
    // write replaces its whole value: only the rows, masks and the radio
    // groups' first items are needed.
    m_controls.reserve(fieldCount(pages));
    for (const PageSpec &page : pages) {
        for (const FieldSpec &field : page.fields) {
            Control &control = m_controls[field.name];
            control.field = &field;
            if (field.kind == FieldKind::MaskedEdit)
                control.mask = parsedMask(field.mask);
            if (field.kind == FieldKind::RadioGroup && !field.text.isEmpty()) {
                setItemIndex(field.name, field.text.toInt());
                control.written = false;
            }
        }
    }
}

void CatalogueControls::put(Control &control, const QString &text) const
{
    control.written = true;
    switch (control.field->kind) {
    case FieldKind::MaskedEdit:
        control.value = control.mask.isEmpty()
                            ? cardfile::blankedControls(text)
                            : control.mask.place(cardfile::blankedControls(text));
        break;
    case FieldKind::Memo:
    case FieldKind::ScrollMemo:
        control.value = Memo::givenBack(text);
        break;
    case FieldKind::Edit:
    case FieldKind::Combo:
        control.value = cardfile::blankedControls(text);
        break;
    case FieldKind::SpinBox: {
        const auto [lowest, highest] = rangeOf(*control.field);
        control.value = QString::number(std::clamp(text.trimmed().toInt(), lowest, highest));
        break;
    }
    case FieldKind::CheckBox:
        control.value = text == u"1" ? QStringLiteral("1") : QStringLiteral("0");
        break;
    case FieldKind::RadioGroup:
    case FieldKind::Button:
    case FieldKind::Heading:
        break;
    }
}

QString CatalogueControls::valueOf(const Control &control) const
{
    if (control.field->kind == FieldKind::MaskedEdit && !control.mask.isEmpty())
        return control.mask.readBack(control.value);
    return control.value;
}

QString CatalogueControls::text(const QString &control) const
{
    const auto found = m_controls.constFind(control);
    if (found == m_controls.cend()) {
        const auto other = m_others.constFind(control);
        if (other != m_others.cend() || !m_backing)
            return other != m_others.cend() ? *other : QString();
        return m_backing->text(control);
    }
    if (!found->written && m_backing)
        return m_backing->text(control);
    return valueOf(*found);
}

void CatalogueControls::setText(const QString &control, const QString &text)
{
    const auto found = m_controls.find(control);
    if (found == m_controls.end())
        m_others.insert(control, text);
    else
        put(*found, text);
}

void CatalogueControls::selectItem(const QString &control, int index)
{
    const auto found = m_controls.find(control);
    if (found == m_controls.end())
        return;
    const QStringList &items = found->field->items;
    put(*found, index >= 0 && index < items.size() ? items.at(index) : QString());
}

int CatalogueControls::itemIndex(const QString &radioGroup) const
{
    const auto found = m_controls.constFind(radioGroup);
    if (found == m_controls.cend())
        return -1;
    if (!found->written && m_backing)
        return m_backing->itemIndex(radioGroup);
    return found->index;
}

void CatalogueControls::setItemIndex(const QString &radioGroup, int index)
{
    const auto found = m_controls.find(radioGroup);
    if (found == m_controls.end() || index < -1 || index >= found->field->items.size())
        return;
    found->written = true;
    found->index = index;
}

void CatalogueControls::showKindLook(const PartyKinds &party, PersonKind kind)
{
    const auto found = m_controls.find(party.codeField);
    if (found == m_controls.end())
        return;
    const QString &mask = party.look(kind).mask;
    if (mask == found->mask.written())
        return;
    const QString shown = text(party.codeField);
    found->mask = parsedMask(mask);
    found->value = found->mask.isEmpty() ? shown : found->mask.place(shown);
    found->written = true;
}
