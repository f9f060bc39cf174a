// How the program runs its own modal dialogs (best scores, the name, and the
// like): exec() unless a test installed another runner, which can then drive
// the real widgets step by step without a nested event loop.
#pragma once

class QDialog;

namespace brinox {

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Runs the dialog until it is closed; returns its result code.
    virtual int Run(QDialog& dialog) = 0;
};

// Routes every later dialog to runner; nullptr puts exec() back. The caller
// keeps ownership and must uninstall it before destroying it.
void InstallModalRunner(ModalRunner* runner);
int RunModal(QDialog& dialog);

} // namespace brinox
