// The language the program speaks: the catalogue of the first of the
// desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them)
// that the program carries, and Qt's own for its standard buttons when the
// system has it. English is the source and needs no catalogue: a desktop
// that puts English before any catalogue's language gets English. Nothing is
// searched: each catalogue is opened by its name, the program's from its
// resources. At most one language is installed at a time.
#pragma once

#include <QStringList>
#include <QTranslator>

namespace brinox {

class UiLanguage {
public:
    ~UiLanguage();

    // Installs the first of `languages` ("de-DE", "fr", ...) that has a
    // catalogue, after removing what an earlier call installed.
    void Install(const QStringList& languages);
    // The installed language ("de", "fr"), or empty for English.
    QString Name() const { return name; }

private:
    void Remove();

    QTranslator game;
    QTranslator qt;
    QString name;
};

} // namespace brinox
