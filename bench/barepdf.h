#pragma once

#include <QApplication>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <optional>

// The yardstick of the PDF benchmarks: a bare Qt program that starts,
// writes one A4 page of text with QPdfWriter and ends. A benchmark program
// runs as that program when called with "--bare-pdf FILE"; the result is its
// exit code.
inline std::optional<int> runAsBarePdfWriter(int argc, char *argv[], const QString &text)
{
    if (argc != 3 || qstrcmp(argv[1], "--bare-pdf") != 0)
        return std::nullopt;
    QApplication app(argc, argv);
    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("Arial"), 12));
    painter.drawText(QRect(0, 0, writer.width(), writer.height()), Qt::TextWordWrap, text);
    return painter.end() ? 0 : 1;
}
