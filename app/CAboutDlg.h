// The About box: the game's picture, version and credits, and the support
// links (the home page and the support e-mail address, each shown in a
// read-only field with a "Go" button that hands it to the desktop).
#pragma once

#include "platform/WebLinks.h"

#include <QDialog>

#include <string>

namespace brinox {

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(const WebLinks& links, const std::string& appDirectory, QWidget* parent);

private:
    WebLinks links;
};

} // namespace brinox
