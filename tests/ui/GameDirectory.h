// A throw-away game directory for one test: a temporary folder with the
// generated pictures, sounds and help file linked in (or left out), made the
// current directory while the test runs, as the game expects.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <string>

namespace brinox::test {

class GameDirectory {
public:
    enum class Assets { Linked, Missing };

    explicit GameDirectory(Assets assets = Assets::Linked);
    ~GameDirectory();

    // The folder with a trailing '/', as the game's appDirectory.
    std::string Path() const;
    QString File(const QString& name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
    QString previous;
};

} // namespace brinox::test
