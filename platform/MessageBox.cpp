#include "MessageBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>

namespace brinox {
namespace {

// The tallest box that fits a laptop at 150 % (911 x 512 logical pixels)
// under the desktop's panels and a title bar.
constexpr int kMaxBoxHeight = 440;
// What the box needs besides its text: margins and the button row.
constexpr int kBoxChrome = 90;

// A text taller than the box may be (the list of every missing file) goes
// whole into a scrolling area in the text's place.
void ScrollLongText(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (label == nullptr || grid == nullptr || box.sizeHint().height() <= kMaxBoxHeight) {
        return;
    }
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rows, &columns);
    grid->removeWidget(label);
    auto* scroll = new QScrollArea(&box);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(label);
    scroll->setAccessibleName(box.windowTitle());
    scroll->setFixedSize(label->sizeHint().width() +
                             scroll->verticalScrollBar()->sizeHint().width(),
                         kMaxBoxHeight - kBoxChrome);
    grid->addWidget(scroll, row, column, rows, columns);
}

class MessageBoxPrompter : public Prompter {
public:
    void Show(QWidget* parent, MessageKind kind, const QString& caption,
              const QString& text) override {
        const auto icon =
            kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information;
        QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
        ScrollLongText(box);
        box.exec();
    }

    bool Ask(QWidget* parent, const QString& caption, const QString& text) override {
        return AskUnder(QMessageBox::Question, parent, caption, text);
    }

    static bool AskUnder(QMessageBox::Icon icon, QWidget* parent, const QString& caption,
                         const QString& text) {
        QMessageBox box(icon, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
        // Return answers Yes, as in the classic Yes/No box.
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
};

MessageBoxPrompter defaultPrompter;
Prompter* installed = &defaultPrompter;

} // namespace

void InstallPrompter(Prompter* prompter) {
    installed = prompter != nullptr ? prompter : &defaultPrompter;
}

Prompter& CurrentPrompter() {
    return *installed;
}

void ShowWarning(QWidget* parent, const QString& text, const QString& caption) {
    installed->Show(parent, MessageKind::Warning, caption, text);
}

void ShowInformation(QWidget* parent, const QString& text, const QString& caption) {
    installed->Show(parent, MessageKind::Information, caption, text);
}

bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) {
    return installed->Ask(parent, caption, text);
}

bool AskYesNoInformation(QWidget* parent, const QString& text, const QString& caption) {
    if (installed != &defaultPrompter) {
        return installed->Ask(parent, caption, text);
    }
    return MessageBoxPrompter::AskUnder(QMessageBox::Information, parent, caption, text);
}

} // namespace brinox
