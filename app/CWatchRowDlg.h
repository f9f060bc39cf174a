// "Watch a replay": the rows of a bundle of replays given to --watch, one line
// each, "Row 3", or "Row 3: Ann, 12000" when the upload beside the bundle
// names them. OK or a double click chooses the marked line; Cancel chooses
// none, and the game starts as usual.
//
// Invariants: the first line is marked when the dialog opens; each line is
// cut to the list's width and shows no control character, whatever the
// upload holds.
#pragma once

#include "WatchFile.h"

#include <QDialog>

#include <vector>

class QListWidget;

namespace brinox {

class CWatchRowDlg : public QDialog {
    Q_OBJECT

public:
    CWatchRowDlg(const std::vector<WatchFile::Replay>& replays, QWidget* parent = nullptr);

    // The index of the marked line in the replays given.
    int Chosen() const;
    QListWidget& Rows() { return *list; }

private:
    QListWidget* list = nullptr;
};

} // namespace brinox
