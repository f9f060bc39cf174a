#include "FileChooser.h"

#include "AccessibleNames.h"

#include <QFileDialog>

namespace brinox {
namespace {

class QtFileChooser : public FileChooser {
public:
    QString SaveFileName(QWidget* parent, const FileDialogRequest& request) override {
        return Run(parent, request, QFileDialog::AcceptSave, QFileDialog::AnyFile);
    }

    QString OpenFileName(QWidget* parent, const FileDialogRequest& request) override {
        return Run(parent, request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
    }

private:
    static QString Run(QWidget* parent, const FileDialogRequest& request,
                       QFileDialog::AcceptMode mode, QFileDialog::FileMode fileMode) {
        QFileDialog dialog(parent, request.title);
        // The same dialog on every desktop, and one that tests and Xvfb can drive.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(fileMode);
        dialog.setNameFilter(request.filter);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.selectFile(request.initialName);
        NameInnerControls(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return {};
        }
        return dialog.selectedFiles().constFirst();
    }
};

QtFileChooser qtChooser;
FileChooser* installed = &qtChooser;

} // namespace

void InstallFileChooser(FileChooser* chooser) {
    installed = chooser != nullptr ? chooser : &qtChooser;
}

FileChooser& CurrentFileChooser() {
    return *installed;
}

} // namespace brinox
