#include "cards/cardeditors.h"
#include "cards/support/roundtrip.h"
#include "frame/editorregistry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <random>

using namespace Qt::StringLiterals;

namespace {

// Mutations of a card file's bytes, the kinds of damage a file meets on its
// way: flipped bytes, stray line ends, long lines, numbers of any size, lines
// moved, lost or doubled, stray separators, a byte-order mark.
class Mutator
{
public:
    explicit Mutator(unsigned seed) : m_random(seed) {}

    QByteArray mutate(QByteArray bytes)
    {
        const int count = 1 + pick(3);
        for (int i = 0; i < count && !bytes.isEmpty(); ++i)
            bytes = once(bytes);
        return bytes;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    qsizetype position(const QByteArray &bytes) { return pick(int(bytes.size()) + 1); }

    QList<QByteArray> lines(const QByteArray &bytes) { return bytes.split('\n'); }
    static QByteArray joined(const QList<QByteArray> &lines) { return lines.join('\n'); }

    QByteArray once(QByteArray bytes)
    {
        static const QList<QByteArray> numbers = {
            "-2147483648", "2147483648", "99999999999999999999", "-1", "0", "01", "21", "22", "x"};
        switch (pick(11)) {
        case 0:
            bytes[pick(int(bytes.size()))] = char(pick(256));
            return bytes;
        case 1:
            return bytes.insert(position(bytes), '\r');
        case 2:
            return bytes.insert(position(bytes), '\n');
        case 3:
            return bytes.replace("\r\n", pick(2) ? "\n" : "\r");
        case 4:
            return bytes.insert(position(bytes),
                                QByteArray(1 + pick(5000), pick(2) ? '\xE6' : '7'));
        case 5: {
            const qsizetype at = bytes.indexOf('\\', pick(int(bytes.size())));
            return at < 0 ? bytes : bytes.insert(at + 1, numbers[pick(int(numbers.size()))]);
        }
        case 6: {
            QList<QByteArray> all = lines(bytes);
            all.move(pick(int(all.size())), pick(int(all.size())));
            return joined(all);
        }
        case 7:
            return bytes.insert(position(bytes), '\\');
        case 8: {
            QList<QByteArray> all = lines(bytes);
            all.removeAt(pick(int(all.size())));
            return joined(all);
        }
        case 9: {
            QList<QByteArray> all = lines(bytes);
            const int at = pick(int(all.size()));
            all.insert(at, all[at]);
            return joined(all);
        }
        default:
            return "\xEF\xBB\xBF" + bytes;
        }
    }

    std::mt19937 m_random;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How many mutated cards each seed file gives: some four thousand cards over
// the three kinds, a few seconds, about half a minute with the sanitizers.
constexpr int kMutationsPerSeed = 400;

} // namespace

// Any card file, however damaged, opens and saves without a crash, ends only
// in the ways the program documents (the reading stops with a message, or the
// save is refused with one), and once saved it is stable: opening and saving
// the saved file gives the same bytes again.
class StabilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerCardEditors(); }

    void openSaveOpenSaveIsStable_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("folder");
        const std::pair<CardKind, const char *> kinds[] = {
            {CardKind::RK, "rk"}, {CardKind::OK, "ok"}, {CardKind::OKD, "okd"}};
        for (const auto &[kind, name] : kinds) {
            if (hasEditorFactory(kind))
                QTest::newRow(name)
                    << int(kind) << QStringLiteral(OVRIDA_TEST_DATA "/corpus/") + name;
        }
    }

    void openSaveOpenSaveIsStable()
    {
        QFETCH(int, kind);
        QFETCH(QString, folder);
        const QStringList seeds = QDir(folder).entryList({u"*.txt"_s}, QDir::Files, QDir::Name);
        QVERIFY2(!seeds.isEmpty(), qPrintable(folder));

        CardRoundTrip roundTrip{CardKind(kind)};

        int cards = 0;
        int stable = 0;
        QElapsedTimer timer;
        timer.start();
        for (const QString &seed : seeds) {
            const QByteArray original = contents(QDir(folder).filePath(seed));
            Mutator mutator(unsigned(qHash(seed)));
            for (int i = 0; i <= kMutationsPerSeed; ++i, ++cards) {
                const QByteArray card = i == 0 ? original : mutator.mutate(original);
                switch (roundTrip.check(card)) {
                case CardRoundTrip::Outcome::Stopped:
                    continue; // the reading stopped or the save was refused, with a message
                case CardRoundTrip::Outcome::Stable:
                    break;
                case CardRoundTrip::Outcome::WindowlessDiffers:
                    QFAIL(qPrintable(
                        u"%1, mutation %2: the command line reads it otherwise: %3"_s.arg(seed)
                            .arg(i)
                            .arg(firstDifference(roundTrip.firstSave(),
                                                 roundTrip.windowlessSave()))));
                case CardRoundTrip::Outcome::Unstable: {
                    // The card is kept for a closer look.
                    QFile kept(QDir::temp().filePath(u"unstable-card.txt"_s));
                    if (kept.open(QIODevice::WriteOnly))
                        kept.write(card);
                    QFAIL(qPrintable(u"%1, mutation %2 (kept as %3): %4"_s.arg(seed).arg(i).arg(
                        kept.fileName(),
                        roundTrip.secondSave().isEmpty()
                            ? u"the saved card does not open and save"_s
                            : firstDifference(roundTrip.firstSave(), roundTrip.secondSave()))));
                }
                }
                ++stable;
            }
        }
        // Most damage still leaves a card that can be saved: the check above
        // must have had something to check.
        QVERIFY2(stable > cards / 2, qPrintable(u"%1 of %2"_s.arg(stable).arg(cards)));
        qInfo("%d cards, %d saved and stable, %.0f cards a second", cards, stable,
              cards * 1000.0 / std::max<qint64>(1, timer.elapsed()));
    }
};

QTEST_MAIN(StabilityTest)
#include "stability_test.moc"
