// Where the program's message boxes go. The default prompter opens modal
// QMessageBoxes; tests install their own to answer questions and record what
// would have been shown, without any live modal widget.
#pragma once

#include <QString>

class QWidget;

namespace brinox {

enum class MessageKind {
    Warning,     // an error the player should know about
    Information, // a refusal or a result
};

class Prompter {
public:
    virtual ~Prompter() = default;
    // A message with one OK button; returns when the player has closed it.
    virtual void Show(QWidget* parent, MessageKind kind, const QString& caption,
                      const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool Ask(QWidget* parent, const QString& caption, const QString& text) = 0;
};

} // namespace brinox
