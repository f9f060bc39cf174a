// The tool-bar and next-bar panels, every button strip (normal, under the
// pointer, pressed; disabled pictures have one image or three alike), the
// selector labels, the logo, the bar toggles and the status-bar pictures.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace brinox::art {

enum class Icon { None, Play, Stop, Pause, Gear, Disk, Folder, List, Globe, Question, Cross };
enum class Selector { Type, Mode, Bombs };

class PanelArt {
public:
    static QImage ToolBar();
    static QImage NextBar();
    // A strip of `images` button pictures of width x 19; disabled pictures
    // are greyed and ignore the pointer, so their images are all alike.
    static QImage Button(const QString& label, Icon icon, int width, bool disabled, int images);
    static QImage SelectorButton(Selector kind, bool disabled, int images);
    // 86 x 23 label images side by side; '\n' splits a label in two lines.
    static QImage Labels(const QStringList& labels, Selector kind);
    static QImage Logo();
    static QImage Toggle(bool plus, int width, int height);
    static QImage StatusLines(const QStringList& lines);
    static QImage StatusCover();
};

} // namespace brinox::art
