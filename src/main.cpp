#include "app/commandline.h"
#include "app/editorregistry.h"
#include "app/help.h"
#include "app/helpwindow.h"
#include "app/mainform.h"
#include "app/qtdialogs.h"
#include "app/startup.h"
#include "okd/frmokd.h"
#include "reports/reportfile.h"
#include "reports/reportpreview.h"
#include "reports/sheetset.h"
#include "rk/frmrk1.h"

#include <QApplication>

namespace {
// The card editors that are part of the program, one factory per kind. A kind
// left out opens nothing from the main window and is refused by the command line.
void registerEditors()
{
    registerEditor<TfrmRK1>(CardKind::RK);
    registerEditor<TpfrmOkd>(CardKind::OKD);
}

// The preview's file dialogs and messages go through the program's dialogs.
void routePreviewDialogs()
{
    const QString reportFilter =
        QStringLiteral("Збережені звіти|*.%1").arg(QLatin1String(reportfile::kSuffix));
    setPreviewHooks({[](QWidget *) {
                         return dialogs().saveFileName(QStringLiteral("Файли PDF|*.pdf"),
                                                       QStringLiteral("pdf"), QString());
                     },
                     [](QWidget *, const QString &text) { dialogs().inform(text); },
                     [reportFilter](QWidget *, bool forSaving) {
                         return forSaving
                                    ? dialogs().saveFileName(reportFilter,
                                                             QLatin1String(reportfile::kSuffix),
                                                             QString())
                                    : dialogs().openFileName(reportFilter);
                     }});
}
} // namespace

int main(int argc, char *argv[])
{
    // A command line task needs no display.
    if (wantsCommandLine(argc, argv) && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ovrida"));
    installQtTranslations(app);
    registerEditors();

    if (const std::optional<int> exitCode = runCommandLine(app.arguments()))
        return *exitCode;

    QtDialogs screenDialogs;
    setDialogs(&screenDialogs);
    routePreviewDialogs();
    setHelpOpener([] { showHelpWindow(); });

    TMainForm mainForm;

    // The report sheets, hidden and shared by every editor until the end.
    SheetSet reportSheets;

    mainForm.show();
    const int exitCode = QApplication::exec();
    // Windows closed on the way out free themselves through deferred deletion.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
