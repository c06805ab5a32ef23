#pragma once

#include "frame/deferredtexts.h"

#include <QHash>
#include <QString>

#include <optional>

class QLabel;
class QWidget;

// The controls, labels and pages of an editor window by name, found once:
// a card's rules look them up by name all the time. It reads and sets their
// texts, items and languages the same way for every card, and can hold the
// texts of plain edit lines back while a card file is read.
class NamedControls
{
public:
    // Registers `root` (when it has a name) and every named widget under it.
    void addAll(QWidget *root);
    void add(QWidget *widget);

    // A name that is not registered is a fault of the calling code.
    QWidget *widget(const QString &name) const;
    QLabel *label(const QString &name) const;
    bool contains(const QString &name) const { return m_named.contains(name); }

    QString text(const QString &control) const;
    void setText(const QString &control, const QString &text);
    // Gives a combo box the text of item `index`; no text outside its items.
    void selectItem(const QString &control, int index);
    int itemIndex(const QString &radioGroup) const;
    // Turns a radio group without running its click handler.
    void setItemIndex(const QString &radioGroup, int index);
    void focus(const QString &control);

    // From now on the texts of plain edit lines wait (see DeferredTexts)...
    void holdEditTexts();
    // ...until here, where each gets the last one it was given.
    void releaseEditTexts();

private:
    QHash<QString, QWidget *> m_named;
    std::optional<DeferredTexts> m_deferred;
};
