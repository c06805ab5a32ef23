#include "dialogs/consoledialogs.h"
#include "dialogs/qtdialogs.h"
#include "dialogs/scripteddialogs.h"
#include "support/uitest.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

QString readAll(std::FILE *file)
{
    std::rewind(file);
    QByteArray bytes;
    char buffer[256];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, qsizetype(n));
    return QString::fromUtf8(bytes);
}

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void fileFiltersInTheDialogsForm()
    {
        QCOMPARE(toQtFileFilter("Текстовые файлы|*.txt"), "Текстовые файлы (*.txt)");
        QCOMPARE(toQtFileFilter("Текстовые файлы|*.txt|Все файлы|*.*"),
                 "Текстовые файлы (*.txt);;Все файлы (*)");
        QCOMPARE(toQtFileFilter("Картки|*.txt;*.crd"), "Картки (*.txt *.crd)");
    }

    void messageLinesOnScreen()
    {
        QCOMPARE(displayedLines("a\n\rb\r\nc\rd\ne"), "a\nb\nc\nd\ne");
        QCOMPARE(displayedLines("a\n\n\rb"), "a\n\nb");
    }

    void nothingInstalledIsSafe()
    {
        Dialogs *previous = setDialogs(nullptr);
        QCOMPARE(dialogs().ask("caption", "text"), Dialogs::Answer::Cancel);
        QCOMPARE(dialogs().saveFileName("a|*.txt", "txt", "RK"), QString());
        QCOMPARE(dialogs().openFileName("a|*.txt"), QString());
        dialogs().inform("text");
        dialogs().beep();
        setDialogs(previous);
    }

    void scriptedRecordsEverythingInOrder()
    {
        ScriptedDialogs script;
        script.install();
        QCOMPARE(&dialogs(), &script);
        script.queueAnswer(Dialogs::Answer::Yes);
        script.queueAnswer(Dialogs::Answer::No);
        script.queueSaveName("/tmp/a.txt");
        script.queueOpenName("");

        dialogs().inform("Дата\n\r неправильна!");
        QCOMPARE(dialogs().ask("Реєстраційна карта", "Зберегти зміни в картці?"),
                 Dialogs::Answer::Yes);
        QCOMPARE(dialogs().saveFileName("Текстовые файлы|*.txt", "txt", "RK"), "/tmp/a.txt");
        QCOMPARE(dialogs().openFileName("Текстовые файлы|*.txt"), "");
        dialogs().beep();
        QCOMPARE(dialogs().ask("c", "again"), Dialogs::Answer::No);

        QCOMPARE(script.texts(),
                 QStringList({"Дата\n\r неправильна!", "Зберегти зміни в картці?", "again"}));
        QCOMPARE(script.shown().size(), 6);
        QCOMPARE(script.shown()[1].caption, "Реєстраційна карта");
        QCOMPARE(script.shown()[2].kind, ScriptedDialogs::Kind::Save);
        QCOMPARE(script.shown()[2].initialName, "RK");
        QCOMPARE(script.shown()[2].defaultSuffix, "txt");
        QCOMPARE(script.shown()[4].kind, ScriptedDialogs::Kind::Beep);
        QCOMPARE(script.pending(), 0);
    }

    void scriptedFailsLoudlyOnAnUnexpectedDialog()
    {
        ScriptedDialogs script;
        QStringList faults;
        script.setUnexpectedHandler([&](const QString &what) { faults << what; });
        QCOMPARE(script.ask("Реєстраційна карта", "Зберегти зміни в картці?"),
                 Dialogs::Answer::Cancel);
        QCOMPARE(script.saveFileName("f", "txt", "RK"), QString());
        QCOMPARE(faults.size(), 2);
        QVERIFY(faults[0].contains("Зберегти зміни в картці?"));
        QVERIFY(faults[1].contains("RK"));
    }

    void scriptedUninstallsItself()
    {
        Dialogs *before = &dialogs();
        {
            ScriptedDialogs script;
            script.install();
            QCOMPARE(&dialogs(), &script);
        }
        QCOMPARE(&dialogs(), before);
    }

    void consoleWritesTextsVerbatimAndAnswersFromPresets()
    {
        std::FILE *out = std::tmpfile();
        QVERIFY(out);
        ConsoleDialogs console(out);
        console.setSavePath("/tmp/out.txt");
        console.setOpenPath("/tmp/in.txt");
        console.setAnswer(Dialogs::Answer::No);
        console.inform("Поле 5418\n\rпорожнє");
        QCOMPARE(console.ask("Облікова картка дисертації", "Зберегти зміни в картці?"),
                 Dialogs::Answer::No);
        QCOMPARE(console.saveFileName("a|*.txt", "txt", "OKD"), "/tmp/out.txt");
        QCOMPARE(console.openFileName("a|*.txt"), "/tmp/in.txt");
        QCOMPARE(readAll(out), "Поле 5418\n\rпорожнє\nОблікова картка дисертації: Зберегти "
                               "зміни в картці?\n");
        std::fclose(out);
    }

    void screenQuestionIsYesNoCancelWithExclamation()
    {
        QtDialogs screen;
        bool checked = false;
        uitest::whenShown<QMessageBox>([&](QMessageBox *box) {
            QCOMPARE(box->windowTitle(), "Облікова картка НДР І ДКР");
            QCOMPARE(box->text(), "Зберегти зміни\nв картці?");
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->standardButtons(),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            checked = true;
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(screen.ask("Облікова картка НДР І ДКР", "Зберегти зміни\n\rв картці?"),
                 Dialogs::Answer::No);
        QVERIFY(checked);

        uitest::whenShown<QMessageBox>([](QMessageBox *box) { box->reject(); });
        QCOMPARE(screen.ask("c", "t"), Dialogs::Answer::Cancel);
    }

    void screenMessageIsPlainText()
    {
        QtDialogs screen;
        QString shown;
        uitest::whenShown<QMessageBox>([&](QMessageBox *box) {
            shown = box->text();
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->windowTitle(), "ОВРІДА");
            box->accept();
        });
        screen.inform("<b>5418</b>");
        QCOMPARE(shown, "<b>5418</b>");
    }

    void screenSaveDialogStartsAtHome()
    {
        QtDialogs screen;
        bool checked = false;
        uitest::whenShown<QFileDialog>([&](QFileDialog *dialog) {
            QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir::home().canonicalPath());
            QCOMPARE(dialog->defaultSuffix(), "txt");
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->nameFilters(), QStringList({"Текстовые файлы (*.txt)"}));
            checked = true;
            dialog->reject();
        });
        QCOMPARE(screen.saveFileName("Текстовые файлы|*.txt", "txt", "RK"), QString());
        QVERIFY(checked);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
