#include "cardfile/editmask.h"

#include "cardfile/codepage.h"

namespace {
const QChar kSpace = QLatin1Char(' ');

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

EditMask::Position openPosition(EditMask::Kind kind, bool required, EditMask::Case letterCase)
{
    EditMask::Position position;
    position.kind = kind;
    position.required = required;
    position.letterCase = letterCase;
    return position;
}

EditMask::Position literalPosition(QChar c)
{
    EditMask::Position position;
    position.literal = c;
    return position;
}
} // namespace

struct EditMask::Walk
{
    QString state;
    int pos = 0;
};

EditMask::EditMask(const QString &written) : written_(written)
{
    positions_.reserve(written.size());
    Case letterCase = Case::Keep;
    int i = 0;
    for (; i < written.size(); ++i) {
        const QChar c = written.at(i);
        if (c == QLatin1Char(';'))
            break;
        switch (c.unicode()) {
        case '\\':
            if (i + 1 < written.size())
                positions_.append(literalPosition(written.at(++i)));
            break;
        case '!':
            alignRight_ = true;
            break;
        case '>':
            letterCase = Case::Upper;
            break;
        case '<':
            if (i + 1 < written.size() && written.at(i + 1) == QLatin1Char('>')) {
                letterCase = Case::Keep;
                ++i;
            } else {
                letterCase = Case::Lower;
            }
            break;
        case '9':
            positions_.append(openPosition(Kind::Digit, false, letterCase));
            break;
        case '0':
            positions_.append(openPosition(Kind::Digit, true, letterCase));
            break;
        case 'l':
            positions_.append(openPosition(Kind::Letter, false, letterCase));
            break;
        case 'L':
            positions_.append(openPosition(Kind::Letter, true, letterCase));
            break;
        case 'a':
            positions_.append(openPosition(Kind::LetterOrDigit, false, letterCase));
            break;
        case 'A':
            positions_.append(openPosition(Kind::LetterOrDigit, true, letterCase));
            break;
        case 'c':
            positions_.append(openPosition(Kind::Any, false, letterCase));
            break;
        case 'C':
            positions_.append(openPosition(Kind::Any, true, letterCase));
            break;
        default:
            positions_.append(literalPosition(c));
            break;
        }
    }
    for (const Position &position : std::as_const(positions_))
        empty_.append(position.isOpen() ? kSpace : position.literal);
    if (i >= written.size())
        return;

    const QString fields = written.mid(i + 1);
    const qsizetype separator = fields.indexOf(QLatin1Char(';'));
    const QString keep = separator < 0 ? fields : fields.left(separator);
    keepLiterals_ = keep.trimmed() != QLatin1String("0");
    if (separator >= 0 && separator + 1 < fields.size())
        blank_ = fields.at(separator + 1);
}

QString EditMask::emptyState() const
{
    return empty_;
}

QString EditMask::readBack(const QString &state) const
{
    if (isEmpty())
        return state;
    Q_ASSERT(state.size() == size());

    QString text = state;
    if (alignRight_) {
        QList<int> open;
        QString filled;
        for (int i = 0; i < size(); ++i) {
            if (!at(i).isOpen())
                continue;
            open.append(i);
            if (state.at(i) != kSpace)
                filled.append(state.at(i));
        }
        const qsizetype leading = open.size() - filled.size();
        for (qsizetype k = 0; k < open.size(); ++k)
            text[open.at(k)] = k < leading ? kSpace : filled.at(k - leading);
    }
    if (!keepLiterals_) {
        QString kept;
        kept.reserve(size());
        for (int i = 0; i < size(); ++i) {
            if (at(i).isOpen())
                kept.append(text.at(i));
        }
        text = kept;
    }
    return text;
}

QString EditMask::display(const QString &state) const
{
    if (isEmpty())
        return state;
    Q_ASSERT(state.size() == size());

    QString shown = state;
    for (int i = 0; i < size(); ++i) {
        if (at(i).isOpen() && state.at(i) == kSpace)
            shown[i] = blank_;
    }
    return shown;
}

std::optional<QChar> EditMask::accept(int index, QChar c) const
{
    if (index < 0 || index >= size() || !at(index).isOpen())
        return std::nullopt;
    if (c.isSpace() || !c.isPrint())
        return std::nullopt;

    const Position &position = at(index);
    if (position.letterCase == Case::Upper)
        c = c.toUpper();
    else if (position.letterCase == Case::Lower)
        c = c.toLower();

    bool fits = false;
    switch (position.kind) {
    case Kind::Digit:
        fits = isAsciiDigit(c);
        break;
    case Kind::Letter:
        fits = c.isLetter();
        break;
    case Kind::LetterOrDigit:
        fits = c.isLetter() || isAsciiDigit(c);
        break;
    case Kind::Any:
        fits = true;
        break;
    case Kind::Literal:
        break;
    }
    // Every ASCII character but the separator has its place in the code page.
    if (!fits || (c.unicode() < 0x80 ? c == u'\\' : !codepage::canCarry(QString(c))))
        return std::nullopt;
    return c;
}

bool EditMask::isComplete(const QString &state) const
{
    Q_ASSERT(isEmpty() || state.size() == size());
    for (int i = 0; i < size(); ++i) {
        if (at(i).isOpen() && at(i).required && state.at(i) == kSpace)
            return false;
    }
    return true;
}

bool EditMask::isBlank(const QString &state) const
{
    if (isEmpty())
        return state.isEmpty();
    Q_ASSERT(state.size() == size());
    for (int i = 0; i < size(); ++i) {
        if (at(i).isOpen() && state.at(i) != kSpace)
            return false;
    }
    return true;
}

int EditMask::openCount() const
{
    int count = 0;
    for (const Position &position : positions_)
        count += position.isOpen() ? 1 : 0;
    return count;
}

bool EditMask::hasOwnShape(const QString &text) const
{
    if (!keepLiterals_) {
        // Without literals in the text the length alone could mislead: a text
        // that still carries a literal is taken character by character.
        if (text.size() != openCount())
            return false;
        qsizetype from = 0;
        for (int i = 0; i < size(); ++i) {
            if (!at(i).isOpen())
                continue;
            const QChar c = text.at(from++);
            if (!standsForEmpty(i, c) && !accept(i, c))
                return false;
        }
        return true;
    }
    if (text.size() != size())
        return false;
    for (int i = 0; i < size(); ++i) {
        if (!at(i).isOpen() && text.at(i) != at(i).literal)
            return false;
    }
    return true;
}

// A space always means an empty position; so does the blank character where
// the position could not hold it (a text copied from what the field shows).
bool EditMask::standsForEmpty(int index, QChar c) const
{
    return c == kSpace || (c == blank_ && !accept(index, c));
}

int EditMask::literalAhead(int from, QChar c) const
{
    for (int i = qMax(from, 0); i < size(); ++i) {
        if (!at(i).isOpen() && at(i).literal == c)
            return i;
    }
    return -1;
}

EditMask::Step EditMask::step(Walk &walk, QChar c, bool strict) const
{
    while (walk.pos < size() && !at(walk.pos).isOpen()) {
        if (at(walk.pos).literal == c) {
            ++walk.pos;
            return Step::Taken;
        }
        ++walk.pos;
    }
    if (walk.pos >= size())
        return Step::Overflow;

    if (standsForEmpty(walk.pos, c)) {
        if (strict && at(walk.pos).required)
            return Step::Refused;
        walk.state[walk.pos++] = kSpace;
        return Step::Taken;
    }
    if (const std::optional<QChar> accepted = accept(walk.pos, c)) {
        walk.state[walk.pos++] = *accepted;
        return Step::Taken;
    }
    if (const int literal = literalAhead(walk.pos, c); literal >= 0) {
        walk.pos = literal + 1;
        return Step::Taken;
    }
    if (strict)
        return Step::Refused;
    walk.state[walk.pos++] = c;
    return Step::Taken;
}

QString EditMask::place(const QString &text) const
{
    if (isEmpty())
        return text;

    if (hasOwnShape(text)) {
        QString state = emptyState();
        qsizetype from = 0;
        for (int i = 0; i < size(); ++i) {
            if (!at(i).isOpen()) {
                from += keepLiterals_ ? 1 : 0;
                continue;
            }
            const QChar c = text.at(from++);
            if (!standsForEmpty(i, c))
                state[i] = accept(i, c).value_or(c);
        }
        return state;
    }

    Walk walk{emptyState(), 0};
    for (const QChar c : text) {
        if (step(walk, c, false) == Step::Overflow)
            break;
    }
    return walk.state;
}

std::optional<EditMask::Edit> EditMask::type(const QString &state, int cursor, QChar c) const
{
    cursor = qBound(0, cursor, int(state.size()));
    if (isEmpty()) {
        if (!c.isPrint() || !codepage::canCarry(QString(c)))
            return std::nullopt;
        return Edit{QString(state).insert(cursor, c), cursor + 1};
    }
    Q_ASSERT(state.size() == size());

    const int open = nextOpen(cursor);
    if (open < size()) {
        if (c == kSpace) {
            if (at(open).required)
                return std::nullopt;
            QString typed = state;
            typed[open] = kSpace;
            return Edit{typed, nextOpen(open + 1)};
        }
        if (const std::optional<QChar> accepted = accept(open, c)) {
            QString typed = state;
            typed[open] = *accepted;
            return Edit{typed, nextOpen(open + 1)};
        }
    }
    if (const int literal = literalAhead(cursor, c); literal >= 0)
        return Edit{state, nextOpen(literal + 1)};
    return std::nullopt;
}

std::optional<EditMask::Edit> EditMask::paste(const QString &state, int cursor,
                                              const QString &text) const
{
    cursor = qBound(0, cursor, int(state.size()));
    if (isEmpty()) {
        for (const QChar c : text) {
            if (!c.isPrint())
                return std::nullopt;
        }
        if (!codepage::canCarry(text))
            return std::nullopt;
        return Edit{QString(state).insert(cursor, text), cursor + int(text.size())};
    }
    Q_ASSERT(state.size() == size());

    Walk walk{state, cursor};
    for (qsizetype i = 0; i < text.size(); ++i) {
        const Step result = step(walk, text.at(i), true);
        if (result == Step::Refused)
            return std::nullopt;
        if (result == Step::Overflow) {
            if (!text.mid(i).trimmed().isEmpty())
                return std::nullopt;
            break;
        }
    }
    return Edit{walk.state, nextOpen(walk.pos)};
}

QString EditMask::cleared(const QString &state, int from, int to) const
{
    if (isEmpty()) {
        from = qBound(0, from, int(state.size()));
        to = qBound(from, to, int(state.size()));
        return QString(state).remove(from, to - from);
    }
    Q_ASSERT(state.size() == size());

    QString result = state;
    for (int i = qMax(from, 0); i < qMin(to, size()); ++i) {
        if (at(i).isOpen())
            result[i] = kSpace;
    }
    return result;
}

int EditMask::nextOpen(int from) const
{
    for (int i = qMax(from, 0); i < size(); ++i) {
        if (at(i).isOpen())
            return i;
    }
    return size();
}

int EditMask::previousOpen(int before) const
{
    for (int i = qMin(before, size()) - 1; i >= 0; --i) {
        if (at(i).isOpen())
            return i;
    }
    return -1;
}
