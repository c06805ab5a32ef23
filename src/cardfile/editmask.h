#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <optional>

// An edit mask written the way the field catalogues write it:
//
//     mask ";" keep ";" blank          e.g. "99.99.99;1;_", "!9999;1; "
//
// Mask characters: "9" digit, may stay blank; "0" digit, required; "L" letter,
// required; "l" letter, may stay blank; "A" letter or digit, required; "a" letter
// or digit, may stay blank; "C" any character, required; "c" any character, may
// stay blank; ">" upper-cases the letters of the positions that follow, "<"
// lower-cases them, "<>" ends a case change; "\" makes the next character a
// literal; "!" makes the blank positions of the text read back stand in front
// (a shorter number reads right-aligned). Every other character is a literal.
//
// keep: "0" leaves the literals out of the text read back, anything else keeps
// them. blank: the character shown in an empty position; a missing or empty
// third field shows "_" (so "99.99.99;1;" shows "__.__.__", like "99.99.99;1;_").
// The blank character is only what the field shows: the text read back always
// has a space in an empty position.
//
// The state of a masked field is a string with one character per position:
// literal positions hold their literal, an empty open position holds a space.
// A space is never content, so a typed space empties an optional position.
class EditMask
{
public:
    enum class Kind { Literal, Digit, Letter, LetterOrDigit, Any };
    enum class Case { Keep, Upper, Lower };

    struct Position
    {
        Kind kind = Kind::Literal;
        QChar literal; // the character of a literal position
        bool required = false;
        Case letterCase = Case::Keep;

        bool isOpen() const { return kind != Kind::Literal; }
    };

    // Where typing or pasting leaves the field: its new state and cursor.
    struct Edit
    {
        QString state;
        int cursor = 0;
    };

    // No mask at all: the field takes any text, and every function below passes
    // texts through unchanged.
    EditMask() = default;
    explicit EditMask(const QString &written);

    const QString &written() const { return written_; }
    bool isEmpty() const { return positions_.isEmpty(); }
    int size() const { return int(positions_.size()); }
    const QList<Position> &positions() const { return positions_; }
    const Position &at(int index) const { return positions_.at(index); }
    bool keepsLiterals() const { return keepLiterals_; }
    QChar blank() const { return blank_; }
    bool alignsRight() const { return alignRight_; }

    // The state of an untouched field and the text it reads back: "  .  .  "
    // for "99.99.99;1;_", "    U      " for "9999U999999;1;_".
    QString emptyState() const;
    QString emptyText() const { return readBack(emptyState()); }

    // The text a state reads back: a space in every empty position, literals
    // kept unless the mask leaves them out, blanks in front under "!".
    QString readBack(const QString &state) const;
    // What the field shows: the state with the blank character in every empty
    // open position.
    QString display(const QString &state) const;

    // The character that stands at open position `index` when `c` is typed
    // there (case changed as the mask says), or nothing when the position does
    // not take it. Never accepted anywhere: a space (it means "empty"), control
    // characters, "\" and characters the card file's code page cannot hold.
    std::optional<QChar> accept(int index, QChar c) const;

    // Every required position filled.
    bool isComplete(const QString &state) const;
    // Every open position empty.
    bool isBlank(const QString &state) const;

    // Places a text that the program assigns (a value read from a card file, a
    // group entry) and returns the state. The rule:
    //  1. A text of the field's own shape - as long as the mask with the
    //     literals in their places, or, when literals are left out, as long as
    //     the number of open positions with every character fitting its
    //     position - is placed position by position.
    //  2. Any other text is taken character by character from the first
    //     position. At a literal position the same character is consumed with
    //     it and any other character moves on past the literal. At an open
    //     position a space (or the blank character, where the position could
    //     not hold it) leaves it empty, an accepted character is put in,
    //     a character equal to a literal further on jumps past that literal
    //     (the positions jumped over stay empty: "1.3.05" gives "1 .3 .05",
    //     "U" gives "    U      "), and any other character is put in as it is.
    // Characters are never refused (a value from a damaged file stays visible
    // to the checks instead of disappearing); characters beyond the last
    // position are dropped, which the caller sees by reading back.
    QString place(const QString &text) const;

    // With no mask, typing and pasting insert at the cursor.
    //
    // Typing `c` with the cursor at `cursor` (no selection): the character goes
    // into the first open position at or after the cursor and the cursor moves
    // on past any literals. A typed literal character moves the cursor past
    // that literal. Nothing when the character is refused.
    std::optional<Edit> type(const QString &state, int cursor, QChar c) const;
    // Pasting `text` at `cursor`: the characters are taken as when typed, a
    // literal character of the text matching the mask's literal; the paste is
    // refused as a whole when any character is refused or when characters
    // other than spaces are left over after the last position.
    std::optional<Edit> paste(const QString &state, int cursor, const QString &text) const;
    // The state with the open positions in [from, to) emptied (with no mask:
    // those characters removed).
    QString cleared(const QString &state, int from, int to) const;

    // The first open position at or after `from` (size() when there is none).
    int nextOpen(int from) const;
    // The last open position before `before` (-1 when there is none).
    int previousOpen(int before) const;
    int firstOpen() const { return nextOpen(0); }

private:
    struct Walk;
    enum class Step { Taken, Refused, Overflow };

    int literalAhead(int from, QChar c) const;
    int openCount() const;
    bool hasOwnShape(const QString &text) const;
    bool standsForEmpty(int index, QChar c) const;
    Step step(Walk &walk, QChar c, bool strict) const;

    QString written_;
    QList<Position> positions_;
    QString empty_; // the state with every open position blank
    bool keepLiterals_ = true;
    bool alignRight_ = false;
    QChar blank_ = QLatin1Char('_');
};
