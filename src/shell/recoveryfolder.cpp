#include "shell/recoveryfolder.h"

#include "cardfile/atomicfile.h"
#include "cardfile/cardwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

const QString lockSuffix = u".lock"_s;
const QString cardSuffix = u".txt"_s;
const QString infoSuffix = u".info"_s;

QString kindWord(CardKind kind)
{
    switch (kind) {
    case CardKind::RK:
        return u"rk"_s;
    case CardKind::OK:
        return u"ok"_s;
    case CardKind::OKD:
        return u"okd"_s;
    }
    return {};
}

std::optional<CardKind> kindOfWord(QStringView word)
{
    for (CardKind kind : {CardKind::RK, CardKind::OK, CardKind::OKD}) {
        if (word == kindWord(kind))
            return kind;
    }
    return std::nullopt;
}

QString infoPathOf(const QString &cardPath)
{
    return cardPath.chopped(cardSuffix.size()) + infoSuffix;
}

// A lock that is free once its run has ended, however long that run lasted.
std::unique_ptr<QLockFile> lockOf(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    return lock;
}

// The card's own bytes; a card holding text the card files cannot carry is
// kept as UTF-8 with its mark rather than lost.
QByteArray bytesOf(const QStringList &lines)
{
    cardfile::EncodedCard encoded = cardfile::encodeCard(lines);
    if (encoded.ok())
        return encoded.bytes;
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes + "\r\n";
}

} // namespace

QString RecoveryFolder::standardPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/recovery"_s;
}

RecoveryFolder::RecoveryFolder(const QString &folder)
    : m_folder(folder), m_run(QUuid::createUuid().toString(QUuid::Id128))
{
    m_worker.setMaxThreadCount(1);
    if (!QDir().mkpath(folder))
        return;
    m_lock = lockOf(folder + u'/' + m_run + lockSuffix);
    if (!m_lock->tryLock(0))
        m_lock.reset();
}

RecoveryFolder::~RecoveryFolder()
{
    waitForWork();
    releaseLeftCards();
    if (!isUsable())
        return;
    const QDir dir(m_folder);
    for (const QString &name : dir.entryList({m_run + u"-*"_s}, QDir::Files))
        QFile::remove(dir.filePath(name));
    m_lock->unlock();
}

bool RecoveryFolder::isUsable() const
{
    return m_lock != nullptr;
}

QString RecoveryFolder::newCardPath()
{
    return m_folder + u'/' + m_run + u'-' + QString::number(++m_cards) + cardSuffix;
}

void RecoveryFolder::keep(const QString &path, CardKind kind, const QString &savedTo,
                          const QStringList &lines)
{
    if (!isUsable())
        return;
    m_worker.start([path, kind, savedTo, lines] {
        // What belongs to the card goes first: a card file is never found
        // without it.
        const QByteArray info = (kindWord(kind) + u'\n' + savedTo + u'\n').toUtf8();
        if (cardfile::writeFileAtomically(infoPathOf(path), info).ok)
            cardfile::writeFileAtomically(path, bytesOf(lines));
    });
}

void RecoveryFolder::discard(const QString &path)
{
    if (!isUsable())
        return;
    m_worker.start([path] {
        QFile::remove(path);
        QFile::remove(infoPathOf(path));
    });
}

void RecoveryFolder::waitForWork()
{
    m_worker.waitForDone();
}

QList<LeftCard> RecoveryFolder::claimLeftCards()
{
    QList<LeftCard> cards;
    if (!isUsable())
        return cards;
    const QDir dir(m_folder);
    QString claimedRun;
    bool runIsGone = false;
    for (const QString &name : dir.entryList({u"*-*"_s + cardSuffix}, QDir::Files, QDir::Name)) {
        const QString run = name.section(u'-', 0, 0);
        if (run == m_run)
            continue;
        if (run != claimedRun) {
            claimedRun = run;
            std::shared_ptr<QLockFile> lock = lockOf(dir.filePath(run + lockSuffix));
            runIsGone = lock->tryLock(0);
            if (runIsGone)
                m_claimed.append(lock);
        }
        if (!runIsGone)
            continue;
        LeftCard card{dir.filePath(name), infoPathOf(dir.filePath(name)), std::nullopt, {}};
        QFile info(card.infoPath);
        if (info.open(QIODevice::ReadOnly)) {
            const QStringList parts = QString::fromUtf8(info.readAll()).split(u'\n');
            card.kind = kindOfWord(parts.value(0));
            card.savedTo = parts.value(1);
        }
        cards.append(card);
    }
    return cards;
}

void RecoveryFolder::removeLeftCard(const LeftCard &card)
{
    QFile::remove(card.path);
    QFile::remove(card.infoPath);
}

void RecoveryFolder::releaseLeftCards()
{
    // The lock of a run whose cards are all gone goes with its file.
    for (const std::shared_ptr<QLockFile> &lock : std::as_const(m_claimed))
        lock->unlock();
    m_claimed.clear();
}

namespace {
RecoveryFolder *&installedFolder()
{
    static RecoveryFolder *folder = nullptr;
    return folder;
}
} // namespace

RecoveryFolder *recoveryFolder()
{
    return installedFolder();
}

void setRecoveryFolder(RecoveryFolder *folder)
{
    installedFolder() = folder;
}
