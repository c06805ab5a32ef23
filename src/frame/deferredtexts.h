#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

// Texts for plain edit lines, held back while a card file is read. Every
// entry of a repeating group passes through the same edit lines, and laying
// out each text is most of the cost of reading; held here, each line is
// laid out once, with the text it ends up with, when the reading is over.
//
// Only plain edit lines are held: their text reads back exactly as it was
// put in. Masked edits, combo boxes and memos are set at once by the caller.
class DeferredTexts
{
public:
    DeferredTexts() = default;
    DeferredTexts(const DeferredTexts &) = delete;
    DeferredTexts &operator=(const DeferredTexts &) = delete;
    // Whatever is still held reaches its edit line.
    ~DeferredTexts();

    // Holds `text` for `control` when it is a plain edit line; false when the
    // caller has to set it itself.
    bool hold(QWidget *control, const QString &text);
    // The text held for `control`, if any.
    std::optional<QString> held(const QWidget *control) const;
    // Puts every held text into its edit line.
    void release();

private:
    QHash<const QWidget *, std::pair<QPointer<QWidget>, QString>> m_texts;
};
