#include "cards/cardeditors.h"
#include "cli/commandline.h"
#include "dialogs/qtdialogs.h"
#include "frame/editorregistry.h"
#include "frame/help.h"
#include "reports/reportfile.h"
#include "reports/reportpreview.h"
#include "shell/cardfileopening.h"
#include "shell/helpwindow.h"
#include "shell/mainform.h"
#include "shell/recoveryfolder.h"
#include "shell/recoveryoffer.h"
#include "shell/startup.h"

#include <QApplication>

namespace {
// The preview's file dialogs and messages go through the program's dialogs.
void routePreviewDialogs()
{
    const QString reportFilter =
        QStringLiteral("Збережені звіти|*.%1").arg(QLatin1String(reportfile::kSuffix));
    setPreviewHooks({[](QWidget *, const QString &proposed) {
                         return dialogs().saveFileName(QStringLiteral("Файли PDF|*.pdf"),
                                                       QStringLiteral("pdf"), proposed);
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
    QApplication::setApplicationVersion(QStringLiteral(OVRIDA_VERSION));
    installQtTranslations(app);
    registerCardEditors();

    if (const std::optional<int> exitCode = runCommandLine(app.arguments()))
        return *exitCode;

    QtDialogs screenDialogs;
    setDialogs(&screenDialogs);
    routePreviewDialogs();
    setHelpOpener([] { showHelpWindow(); });

    // Cards with unsaved changes are kept here until the program ends normally.
    RecoveryFolder recovery(RecoveryFolder::standardPath());
    setRecoveryFolder(&recovery);

    TMainForm mainForm;

    mainForm.show();
    offerLeftCards(mainForm, recovery);
    openCardFilesInNewEditors(mainForm, cardFilesToOpen(app.arguments()));
    const int exitCode = QApplication::exec();
    // Windows closed on the way out free themselves through deferred deletion.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    setRecoveryFolder(nullptr);
    return exitCode;
}
