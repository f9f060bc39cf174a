// A key's name as the player reads it, in the program's language: the
// Control page's key fields and the Pause menu item. Only the words of a
// name are translated; the options file keeps the key's code.
#pragma once

#include "KeyName.h"

#include <QCoreApplication>
#include <QString>

namespace brinox {

inline QString ShownKeyName(std::int32_t code) {
    const KeyNameText name = KeyNameOf(code);
    const QString text = QCoreApplication::translate("KeyName", name.text.c_str());
    return name.number ? text.arg(*name.number) : text;
}

} // namespace brinox
