#include "ShellDialogs.h"

#include "CAboutDlg.h"
#include "CCathedralDlg.h"
#include "CChampionsDlg.h"

#include "platform/WebLinks.h"

namespace brinox {

namespace {

InformationDialogs::Maker Champions(int year) {
    return [year](QWidget* parent, const std::string& appDirectory) {
        return std::unique_ptr<QDialog>(
            new CChampionsDlg(year, LoadWebLinks(appDirectory), appDirectory, parent));
    };
}

} // namespace

InformationDialogs ShellDialogs() {
    InformationDialogs dialogs;
    dialogs.about = [](QWidget* parent, const std::string& appDirectory) {
        return std::unique_ptr<QDialog>(
            new CAboutDlg(LoadWebLinks(appDirectory), appDirectory, parent));
    };
    dialogs.aboutCathedral = [](QWidget* parent, const std::string&) {
        return std::unique_ptr<QDialog>(new CCathedralDlg(parent));
    };
    dialogs.champions2000 = Champions(2000);
    dialogs.champions2001 = Champions(2001);
    return dialogs;
}

} // namespace brinox
