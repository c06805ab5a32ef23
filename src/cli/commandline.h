#pragma once

// The cli folder: the command line (convert, pdf, check, batches) and its PDF
// writers, over the windowless card documents. Uses frame and below.

#include <QStringList>

#include <cstdio>
#include <optional>

// The program's command line:
//   ovrida                                      the window
//   ovrida convert [--kind rk|ok|okd] CARD OUT  reads CARD in a hidden editor
//                                               and writes it to OUT as
//                                               "Записати як..." does
//   ovrida pdf [--kind rk|ok|okd] CARD OUT.pdf  prints CARD to a PDF file
//   ovrida convert|pdf [--kind K] --output-dir DIR CARD...
//                                               the same for many cards, each
//                                               into DIR; a card that fails is
//                                               reported and the rest go on
//   ovrida CARD...                              the window, each card opened in
//                                               an editor of its kind
// Without --kind the card's 5013 line tells its kind.

// Whether the raw arguments ask for a task on the command line (a command
// word or help) rather than for the window. It is decided before the
// application object exists, so that a task can run without a display.
bool wantsCommandLine(int argc, char **argv);

// Runs the task given by `arguments` (program name first, Qt's own options
// already taken out). Returns nothing when the window is to be started,
// otherwise the exit code: 0 when the task succeeded, 2 on any error (for
// many cards: when any card failed), in which case nothing was written for
// that card. Messages go to `errors` verbatim, help to `output`.
// The card files to open in the window when runCommandLine() gave nothing:
// the arguments that are no options.
QStringList cardFilesToOpen(const QStringList &arguments);

std::optional<int> runCommandLine(const QStringList &arguments, std::FILE *output = stdout,
                                  std::FILE *errors = stderr);
