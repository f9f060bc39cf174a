// The web addresses and the support e-mail address the game links to, and
// the one way of opening them: the desktop's default browser or mail
// program. Every address has a compiled default; a file links.ini in
// appDirectory may replace any of them (keys as in LoadWebLinks), so an
// installation can point the game at its own pages without a rebuild.
#pragma once

#include <QString>

#include <string>

namespace brinox {

struct WebLinks {
    QString homepage;
    QString championshipPage;
    QString supportEmail;
    QString top50Page2000;
    QString top50Page2001;

    // The Top 50 page of a championship year (2000 or 2001).
    const QString& Top50Page(int year) const {
        return year == 2000 ? top50Page2000 : top50Page2001;
    }
};

// The compiled defaults, each replaced by the same-named key (Homepage,
// ChampionshipPage, SupportEmail, Top50Page2000, Top50Page2001) of the
// [Links] group of appDirectory/links.ini when that file sets it.
WebLinks LoadWebLinks(const std::string& appDirectory);

// Asks the desktop to open a web address; no result is checked.
void OpenWebAddress(const QString& address);
// Opens a new message to the address in the desktop's mail program.
void OpenMailTo(const QString& address);

} // namespace brinox
