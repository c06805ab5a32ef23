#pragma once

#include "controls/fieldrow.h"

#include <QList>

// The accounting card's pages and every control on them, in page order and,
// within a page, in tab order.
const QList<PageSpec> &okPages();
