// The open-file and save-file dialogs. The default chooser uses Qt's own
// (non-native) file dialog; tests install one that answers with a path.
#pragma once

#include <QString>

class QWidget;

namespace brinox {

struct FileDialogRequest {
    QString title;
    QString filter;        // Qt filter list, "Name (*.ext);;All Files (*)"
    QString defaultSuffix; // appended when the chosen name has none
    QString initialName;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // A file to write, overwriting confirmed by the player; empty when cancelled.
    virtual QString SaveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    // An existing file to read; empty when cancelled.
    virtual QString OpenFileName(QWidget* parent, const FileDialogRequest& request) = 0;
};

// Routes every later file dialog to chooser; nullptr puts Qt's back. The
// caller keeps ownership and must uninstall it before destroying it.
void InstallFileChooser(FileChooser* chooser);
FileChooser& CurrentFileChooser();

} // namespace brinox
