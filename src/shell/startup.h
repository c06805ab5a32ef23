#pragma once

class QCoreApplication;

// Qt's own dialogs and messages (file dialogs, buttons of message boxes,
// command line help) speak Ukrainian, whatever the system language is.
void installQtTranslations(QCoreApplication &app);
