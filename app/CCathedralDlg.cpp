#include "CCathedralDlg.h"

#include "platform/DialogStyle.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <array>

namespace brinox {

QString CCathedralDlg::Description() {
    // Sixteen pieces, joined as they are; the first opens the paragraph. Each
    // is translated on its own, so that a language joins them the same way.
    static constexpr std::array<const char*, 16> pieces = {
        QT_TRANSLATE_NOOP(
            "brinox::CCathedralDlg",
            "     The Cathedral of the Intercession on the Moat stands on Red Square in Moscow. "),
        QT_TRANSLATE_NOOP("brinox::CCathedralDlg",
                          "It was built in 1555-1561 by order of Tsar Ivan the Terrible. "),
        QT_TRANSLATE_NOOP("brinox::CCathedralDlg",
                          "The chronicles name two Russian architects, Barma and Postnik. "),
        QT_TRANSLATE_NOOP("brinox::CCathedralDlg",
                          "The cathedral is a monument to the conquest of Kazan in 1552: "),
        QT_TRANSLATE_NOOP("brinox::CCathedralDlg", "its chapels are dedicated to the feasts on "
                                                   "which the battles of that campaign were won. "),
        QT_TRANSLATE_NOOP("brinox::CCathedralDlg",
                          "Eight churches, each with its own dome, stand around a ninth, central "
                          "church with a tall tent roof. "),
        QT_TRANSLATE_NOOP("brinox::CCathedralDlg",
                          "In 1588 a chapel was added over the grave of Basil the Blessed, a holy "
                          "fool loved by the people, "),
        QT_TRANSLATE_NOOP("brinox::CCathedralDlg",
                          "and since then the cathedral has also been called St. Basil's. "),
        QT_TRANSLATE_NOOP(
            "brinox::CCathedralDlg",
            "In Russian architecture of the second half of the 16th century it has no equal: "),
        QT_TRANSLATE_NOOP(
            "brinox::CCathedralDlg",
            "it joins the stone tent roof and the forms of wooden churches in one festive whole. "),
        QT_TRANSLATE_NOOP("brinox::CCathedralDlg",
                          "The strong basement served as a treasury, where the tsar and rich "
                          "families kept their valuables. "),
        QT_TRANSLATE_NOOP("brinox::CCathedralDlg",
                          "In 1595 thieves plotted to rob it, but the plot was uncovered. "),
        QT_TRANSLATE_NOOP("brinox::CCathedralDlg",
                          "In the 17th century solemn processions came here from the Kremlin, "
                          "above all on Palm Sunday. "),
        QT_TRANSLATE_NOOP(
            "brinox::CCathedralDlg",
            "In 1612 the cathedral was plundered by the Polish troops who held Moscow. "),
        QT_TRANSLATE_NOOP("brinox::CCathedralDlg",
                          "In 1812 the soldiers of Napoleon robbed it again. "),
        QT_TRANSLATE_NOOP("brinox::CCathedralDlg", "Today it is a museum."),
    };
    QString text;
    for (const char* piece : pieces) {
        text += tr(piece);
    }
    return text;
}

CCathedralDlg::CCathedralDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Cathedral (on the picture)"));
    setStyleSheet(GameDialogStyle(13) +
                  QStringLiteral("QPlainTextEdit { color: #e9e2c8; background: #0a1020; "
                                 "border: 1px solid #3c4d74; }"));
    auto* layout = new QVBoxLayout(this);
    QLabel* heading = nullptr; // the first line names the text below
    for (const QString& line :
         {tr("Cathedral of the Intercession (St. Basil's Cathedral)"), tr("1555-1561. Moscow")}) {
        auto* label = new QLabel(line, this);
        heading = heading != nullptr ? heading : label;
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    auto* text = new QPlainTextEdit(Description(), this);
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setMinimumSize(420, 220);
    heading->setBuddy(text);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

} // namespace brinox
