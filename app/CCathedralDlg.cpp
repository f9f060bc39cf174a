#include "CCathedralDlg.h"

#include "platform/DialogStyle.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <array>

namespace brinox {

QString CCathedralDlg::Description() {
    // Sixteen pieces, joined as they are; the first opens the paragraph.
    static constexpr std::array<const char*, 16> pieces = {
        "     The Cathedral of the Intercession on the Moat stands on Red Square in Moscow. ",
        "It was built in 1555-1561 by order of Tsar Ivan the Terrible. ",
        "The chronicles name two Russian architects, Barma and Postnik. ",
        "The cathedral is a monument to the conquest of Kazan in 1552: ",
        "its chapels are dedicated to the feasts on which the battles of that campaign were won. ",
        "Eight churches, each with its own dome, stand around a ninth, central church with a tall "
        "tent roof. ",
        "In 1588 a chapel was added over the grave of Basil the Blessed, a holy fool loved by the "
        "people, ",
        "and since then the cathedral has also been called St. Basil's. ",
        "In Russian architecture of the second half of the 16th century it has no equal: ",
        "it joins the stone tent roof and the forms of wooden churches in one festive whole. ",
        "The strong basement served as a treasury, where the tsar and rich families kept their "
        "valuables. ",
        "In 1595 thieves plotted to rob it, but the plot was uncovered. ",
        "In the 17th century solemn processions came here from the Kremlin, above all on Palm "
        "Sunday. ",
        "In 1612 the cathedral was plundered by the Polish troops who held Moscow. ",
        "In 1812 the soldiers of Napoleon robbed it again. ",
        "Today it is a museum.",
    };
    QString text;
    for (const char* piece : pieces) {
        text += QString::fromUtf8(piece);
    }
    return text;
}

CCathedralDlg::CCathedralDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Cathedral (on the picture)"));
    setStyleSheet(GameDialogStyle(13) +
                  QStringLiteral("QPlainTextEdit { color: #e9e2c8; background: #0a1020; "
                                 "border: 1px solid #3c4d74; }"));
    auto* layout = new QVBoxLayout(this);
    for (const QString& line :
         {QStringLiteral("Cathedral of the Intercession (St. Basil's Cathedral)"),
          QStringLiteral("1555-1561. Moscow")}) {
        auto* label = new QLabel(line, this);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    auto* text = new QPlainTextEdit(Description(), this);
    text->setReadOnly(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setMinimumSize(420, 220);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

} // namespace brinox
