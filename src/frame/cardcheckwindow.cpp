#include "frame/cardcheckwindow.h"

#include "editing/carddocument.h"
#include "frame/cardeditor.h"
#include "frame/cardfilecommands.h"
#include "frame/editorregistry.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

std::optional<QList<FieldFailure>> checkCardOf(CardEditor &editor)
{
    std::unique_ptr<CardDocument> document = createDocument(editor.cardKind());
    const QTemporaryDir folder;
    const QString path = folder.filePath(u"card.txt"_s);
    if (!document || !folder.isValid() || !cardfilecommands::writeCard(path, editor.writeCard()) ||
        !document->read(path))
        return std::nullopt;
    return document->checkFields();
}

QString fieldCaptionIn(const QWidget *editor, const QString &control)
{
    const QWidget *widget = editor->findChild<QWidget *>(control);
    if (!widget)
        return {};
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return QString(frame->title()).remove(u'&');
    for (const QLabel *label : editor->findChildren<QLabel *>()) {
        if (label->buddy() == widget)
            return QString(label->text()).remove(u'&').simplified();
    }
    return {};
}

void goToField(QWidget *editor, const QString &control)
{
    QWidget *widget = editor->findChild<QWidget *>(control);
    if (!widget)
        return;
    // A hidden control takes no focus: its page comes forward first.
    for (QWidget *page = widget; page && page != editor; page = page->parentWidget()) {
        QWidget *stack = page->parentWidget();
        auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(page) >= 0)
            tabs->setCurrentWidget(page);
    }
    editor->activateWindow();
    editor->raise();
    widget->setFocus(Qt::OtherFocusReason);
}

CardCheckWindow *CardCheckWindow::showFor(QWidget *editor)
{
    auto *window = editor->findChild<CardCheckWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new CardCheckWindow(editor);
    window->refresh();
    window->show();
    window->raise();
    return window;
}

CardCheckWindow::CardCheckWindow(QWidget *editor)
    : QDialog(editor), m_editor(editor), m_list(new QTreeWidget(this)), m_summary(new QLabel(this))
{
    setObjectName(u"CardCheckWindow"_s);
    setWindowTitle(u"Перевірка картки"_s);
    setModal(false);
    m_list->setObjectName(u"failures"_s);
    m_list->setHeaderLabels({u"Поле"_s, u"Назва поля"_s, u"Повідомлення"_s});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setWordWrap(true);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(0, 50);
    m_list->setColumnWidth(1, 260);
    connect(m_list, &QTreeWidget::itemActivated, this, &CardCheckWindow::goToRow);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *again = buttons->addButton(u"Оновити"_s, QDialogButtonBox::ActionRole);
    again->setObjectName(u"refresh"_s);
    again->setAutoDefault(false);
    QPushButton *close = buttons->addButton(u"Закрити"_s, QDialogButtonBox::RejectRole);
    close->setAutoDefault(false);
    connect(again, &QPushButton::clicked, this, &CardCheckWindow::refresh);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(760, 360);
}

void CardCheckWindow::refresh()
{
    m_list->clear();
    CardEditor *editor = cardEditorOf(m_editor);
    const std::optional<QList<FieldFailure>> found = editor ? checkCardOf(*editor) : std::nullopt;
    if (!found) {
        m_summary->setText(u"Картку не перевірено: її не вдалося прочитати так, як її буде "
                           u"записано."_s);
        return;
    }
    if (found->isEmpty()) {
        m_summary->setText(u"Картку перевірено: помилок не знайдено."_s);
        return;
    }
    m_summary->setText(u"Знайдено помилок: %1. Enter або подвійне клацання на рядку переводить "
                       u"курсор до поля."_s.arg(found->size()));
    for (const FieldFailure &failure : *found) {
        auto *row = new QTreeWidgetItem(
            m_list, {failure.fieldCode, fieldCaptionIn(m_editor, failure.control),
                     QString(failure.message).replace(u"\n\r"_s, u" "_s).simplified()});
        row->setData(0, Qt::UserRole, failure.control);
        row->setToolTip(2, failure.message);
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_list->setFocus();
}

void CardCheckWindow::goToRow(QTreeWidgetItem *row)
{
    if (row)
        goToField(m_editor, row->data(0, Qt::UserRole).toString());
}
