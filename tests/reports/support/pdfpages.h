#pragma once

#include <QString>

// Number of page objects ("/Type /Page") in a PDF file, or -1 when the file
// cannot be read or does not start like a PDF.
int pdfPageCount(const QString &path);
