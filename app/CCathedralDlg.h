// About Cathedral: the building in the background picture, named in two
// centred lines, with a fixed English description in a read-only text field.
#pragma once

#include <QDialog>

namespace brinox {

class CCathedralDlg : public QDialog {
    Q_OBJECT

public:
    explicit CCathedralDlg(QWidget* parent);

    // The description: 1,180 characters, opening with five blanks.
    static QString Description();
};

} // namespace brinox
