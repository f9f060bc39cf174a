// The boundary between the toolkit's strings and the 8-bit Windows-1252 text
// of the data files. Every text that goes into a file or comes out of one
// crosses here, and nowhere else.
#pragma once

#include "Windows1252.h"

#include <QString>
#include <QValidator>

#include <string>

namespace brinox {

inline std::string ToStoredText(const QString& text) {
    return ToWindows1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             static_cast<std::size_t>(text.size())));
}

inline QString FromStoredText(const std::string& bytes) {
    const std::u16string text = FromWindows1252(bytes);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// For edit fields whose text goes into a file: refuses any character the code
// page cannot hold, so a typed text is stored exactly as it is shown.
class StoredTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const QChar c : input) {
            if (!InWindows1252(c.unicode())) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

} // namespace brinox
