#pragma once

#include "controls/memo.h"
#include "frame/pagebuilder.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

// Whether an editor window shows all of itself: every tab in sight and
// unabridged, every page without a scroll bar, the boxes named in
// `textBoxes` wide enough for a whole name or address of 40 characters, and
// every memo at least three lines high. The window must be shown. Returns
// what is wrong, one line for each fault; empty when nothing is.
inline QStringList pageRoomFaults(QWidget *window, const QStringList &textBoxes)
{
    QStringList faults;
    if (const QScreen *screen = window->screen()) {
        if (!screen->availableGeometry().contains(window->frameGeometry()))
            faults << QStringLiteral("the window reaches beyond the screen");
    }
    for (QTabWidget *pages : window->findChildren<QTabWidget *>()) {
        QTabBar *tabs = pages->tabBar();
        for (const QToolButton *arrow : tabs->findChildren<QToolButton *>()) {
            if (arrow->isVisible())
                faults << QStringLiteral("the tabs of %1 scroll").arg(pages->objectName());
        }
        for (int i = 0; i < pages->count(); ++i) {
            const QRect tab = tabs->tabRect(i);
            const int textWidth = tabs->fontMetrics().horizontalAdvance(pages->tabText(i));
            if (!tabs->rect().contains(tab) || tab.width() < textWidth)
                faults << QStringLiteral("tab \"%1\" is not shown whole").arg(pages->tabText(i));
            pages->setCurrentIndex(i);
            QApplication::processEvents();
            auto *page = qobject_cast<CardPage *>(pages->currentWidget());
            if (page && (page->verticalScrollBar()->maximum() > 0 ||
                         page->horizontalScrollBar()->maximum() > 0 ||
                         page->content()->minimumSizeHint().width() > page->viewport()->width()))
                faults << QStringLiteral("page %1 scrolls").arg(page->objectName());
        }
        pages->setCurrentIndex(0);
    }
    for (const QString &name : textBoxes) {
        const QWidget *box = window->findChild<QWidget *>(name);
        const int width = box ? box->fontMetrics().averageCharWidth() * 40 : 0;
        if (!box || box->width() < width)
            faults << QStringLiteral("%1 is narrower than 40 characters").arg(name);
    }
    for (const Memo *memo : window->findChildren<Memo *>()) {
        // A memo never shown (a hidden work buffer) takes no room.
        if (memo->isHidden())
            continue;
        if (memo->viewport()->height() < memo->fontMetrics().lineSpacing() * 3)
            faults
                << QStringLiteral("memo %1 shows fewer than three lines").arg(memo->objectName());
    }
    return faults;
}
