#include "support/fakeeditor.h"

#include "dialogs/dialogs.h"
#include "frame/editorregistry.h"
#include "frame/unsavedchanges.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <array>

QStringList FakeEditor::journal;

namespace {
std::array<int, 3> created{};
std::array<int, 3> documents{};
} // namespace

FakeEditor::FakeEditor(CardKind kind) : kind_(kind)
{
    const int serial = ++created[static_cast<std::size_t>(kind)];
    setObjectName(defaultCardName(kind) + QString::number(serial));
    resize(200, 100);
}

bool FakeEditor::saveAs()
{
    const QString name = dialogs().saveFileName(QStringLiteral("Текстовые файлы|*.txt"),
                                                QStringLiteral("txt"), defaultCardName(kind_));
    if (name.isEmpty()) {
        journal.append(objectName() + QStringLiteral(" save cancelled"));
        return false;
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        journal.append(objectName() + QStringLiteral(" save failed"));
        return false;
    }
    file.write(QStringLiteral("%1 card: %2").arg(defaultCardName(kind_), card).toUtf8());
    if (!file.commit())
        return false;
    journal.append(objectName() + QStringLiteral(" saved ") + name);
    setModified(false);
    return true;
}

bool FakeEditor::open()
{
    // The real editors start their open dialog in the home folder.
    QDir::setCurrent(QDir::homePath());
    const QString name = dialogs().openFileName(QStringLiteral("Все файлы|*.*"));
    return !name.isEmpty() && readCard(name);
}

bool FakeEditor::readCard(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    card = QString::fromLatin1(file.readAll()).trimmed();
    cardFile_ = path;
    journal.append(objectName() + QStringLiteral(" opened ") + path);
    // A card that holds the word "broken" cannot be read to its end.
    return !card.contains(QLatin1String("broken"));
}

void FakeEditor::closeEvent(QCloseEvent *event)
{
    if (!settleUnsavedChanges(*this)) {
        event->ignore();
        return;
    }
    journal.append(objectName() + QStringLiteral(" closed"));
    event->accept();
}

void FakeEditor::registerAll()
{
    created = {};
    documents = {};
    for (CardKind kind : {CardKind::RK, CardKind::OK, CardKind::OKD}) {
        registerEditorFactory(kind, [kind] { return new FakeEditor(kind); });
        registerDocumentFactory(kind, [kind] { return std::make_unique<FakeDocument>(kind); });
    }
}

void FakeEditor::unregisterAll()
{
    for (CardKind kind : {CardKind::RK, CardKind::OK, CardKind::OKD}) {
        registerEditorFactory(kind, {});
        registerDocumentFactory(kind, {});
    }
}

FakeDocument::FakeDocument(CardKind kind)
    : kind_(kind),
      name_(defaultCardName(kind) + QString::number(++documents[static_cast<std::size_t>(kind)]))
{}

bool FakeDocument::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    card_ = QString::fromLatin1(file.readAll()).trimmed();
    FakeEditor::journal.append(name_ + QStringLiteral(" opened ") + path);
    // A card that holds the word "broken" cannot be read to its end, and
    // says so as the real documents do.
    if (!card_.contains(QLatin1String("broken")))
        return true;
    dialogs().informReadingStopped(QStringLiteral("Картку прочитано не до кінця."));
    return false;
}

QStringList FakeDocument::writeCard()
{
    FakeEditor::journal.append(name_ + QStringLiteral(" written"));
    return {QStringLiteral("%1 card: %2").arg(defaultCardName(kind_), card_)};
}

std::shared_ptr<const PreparedReport> FakeDocument::printedPages()
{
    dialogs().inform(QStringLiteral("Друк цієї картки у файл PDF недоступний."));
    return nullptr;
}
