// The one way the program talks to the player in a box: every message and
// question goes through the installed Prompter (a QMessageBox-based one unless
// a test installed another). Errors carry the warning icon, refusals and
// results the information icon, questions the question icon with Yes and No.
// A question about a result (it did not enter the table) asks with the
// information icon instead.
#pragma once

#include "Prompter.h"

namespace brinox {

inline const QString kMessageCaption = QStringLiteral("Brinox 2000");

// Routes every later box to prompter; nullptr puts the QMessageBox one back.
// The caller keeps ownership and must uninstall it before destroying it.
void InstallPrompter(Prompter* prompter);
Prompter& CurrentPrompter();

void ShowWarning(QWidget* parent, const QString& text, const QString& caption = kMessageCaption);
void ShowInformation(QWidget* parent, const QString& text,
                     const QString& caption = kMessageCaption);
bool AskYesNo(QWidget* parent, const QString& text, const QString& caption = kMessageCaption);
// Yes and No under the information icon; an installed prompter hears it as a question.
bool AskYesNoInformation(QWidget* parent, const QString& text,
                         const QString& caption = kMessageCaption);

} // namespace brinox
