#pragma once

#include "controls/fieldrow.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class FocusGuard;
class NamedControls;
class QObject;

// How a card editor's rules hear of its catalogue's controls, by name.
struct CatalogueRules
{
    using Handler = std::function<void(const QString &control)>;

    Handler leave;          // a data control was left (its exit event)
    Handler click;          // a button was clicked
    Handler languageChosen; // the user turned a radio group
    Handler spinEntered;    // a spin box was entered; none: spin boxes are data controls
    Handler spinChanged;    // a spin box's value changed
    // Picking an item from these combo boxes marks the card changed (by
    // `markChanged`) without locking saving and printing.
    QStringList clickMarksChanged;
    std::function<void()> markChanged;
};

// Connects every named control of `pages` to `rules` for the lifetime of
// `context`.
void connectCatalogue(QObject *context, FocusGuard &guard, const NamedControls &controls,
                      const QList<PageSpec> &pages, const CatalogueRules &rules);
