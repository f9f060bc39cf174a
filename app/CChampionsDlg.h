// The champions of a past World Championship (2000 or 2001): the first three
// places with portrait, name and country, three decorative pictures, a wide
// button that opens that year's Top 50 page, and an invitation to the next
// championship.
#pragma once

#include "platform/WebLinks.h"

#include <QDialog>

#include <string>

namespace brinox {

class CChampionsDlg : public QDialog {
    Q_OBJECT

public:
    // year: 2000 or 2001.
    CChampionsDlg(int year, const WebLinks& links, const std::string& appDirectory,
                  QWidget* parent);

private:
    QString top50Page;
};

} // namespace brinox
