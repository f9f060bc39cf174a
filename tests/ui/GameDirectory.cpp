#include "GameDirectory.h"

#include <QDir>
#include <QFile>

namespace brinox::test {

GameDirectory::GameDirectory(Assets assets) : previous(QDir::currentPath()) {
    if (assets == Assets::Linked) {
        const QDir game(QStringLiteral(BRINOX_GAME_DIR));
        for (const QString item : {"graph", "snd", "brinox.hlp"}) {
            QFile::link(game.absoluteFilePath(item), dir.filePath(item));
        }
    }
    QDir::setCurrent(dir.path());
}

GameDirectory::~GameDirectory() {
    QDir::setCurrent(previous);
}

std::string GameDirectory::Path() const {
    return (QDir(dir.path()).canonicalPath() + QLatin1Char('/')).toStdString();
}

} // namespace brinox::test
