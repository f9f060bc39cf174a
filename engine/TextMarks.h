// Marks a text of the plain libraries that the window shows to the player.
// The code keeps the English text as it is (the plain libraries know no
// toolkit); lupdate finds the mark as it finds QT_TRANSLATE_NOOP, and the Qt
// side translates the text where it shows it, with
// QCoreApplication::translate(context, text). Texts that go into files or
// uploads are never marked: they keep one form in every language.
#pragma once

#define BRINOX_TEXT(context, text) text
