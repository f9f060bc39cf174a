#include "ModalRunner.h"

#include <QDialog>

namespace brinox {
namespace {

class ExecRunner : public ModalRunner {
public:
    int Run(QDialog& dialog) override { return dialog.exec(); }
};

ExecRunner execRunner;
ModalRunner* installed = &execRunner;

} // namespace

void InstallModalRunner(ModalRunner* runner) {
    installed = runner != nullptr ? runner : &execRunner;
}

int RunModal(QDialog& dialog) {
    return installed->Run(dialog);
}

} // namespace brinox
