#pragma once

#include <QString>

// The fixed text of the help window: 63 lines joined by line feeds, the last
// line empty.
QString helpText();
