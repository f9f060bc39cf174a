#include "HelpFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace brinox {

namespace {

const QString kSignature = QStringLiteral("BRINOX-HELP 1");
const QString kTopicTag = QStringLiteral("@topic ");
const QString kBullet = QStringLiteral("- ");

// Escapes the text for rich text and turns [[N|text]] into anchors.
QString Inline(const QString& text) {
    static const QRegularExpression link(QStringLiteral(R"(\[\[(\d+)\|([^\]]*)\]\])"));
    QString html = text.toHtmlEscaped();
    html.replace(link, QStringLiteral(R"(<a href="#\1">\2</a>)"));
    return html;
}

// Builds the body of one topic from its lines: paragraphs joined by blank
// lines, runs of "- " lines as one list.
class TopicBuilder {
public:
    explicit TopicBuilder(const QString& title)
        : html(QStringLiteral("<h2>%1</h2>").arg(title.toHtmlEscaped())) {}

    void Add(const QString& line) {
        if (line.trimmed().isEmpty()) {
            EndParagraph();
            EndList();
        } else if (line.startsWith(kBullet)) {
            EndParagraph();
            if (!inList) {
                html += QStringLiteral("<ul>");
                inList = true;
            }
            html += QStringLiteral("<li>%1</li>").arg(Inline(line.mid(kBullet.size()).trimmed()));
        } else {
            EndList();
            paragraph.append(line.trimmed());
        }
    }

    QString Finish() {
        EndParagraph();
        EndList();
        return html;
    }

private:
    void EndParagraph() {
        if (!paragraph.isEmpty()) {
            html += QStringLiteral("<p>%1</p>").arg(Inline(paragraph.join(QLatin1Char(' '))));
            paragraph.clear();
        }
    }
    void EndList() {
        if (inList) {
            html += QStringLiteral("</ul>");
            inList = false;
        }
    }

    QString html;
    QStringList paragraph;
    bool inList = false;
};

} // namespace

bool HelpFile::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        topics.clear();
        return false;
    }
    return Parse(QString::fromUtf8(file.readAll()));
}

bool HelpFile::Parse(const QString& text) {
    topics.clear();
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.isEmpty() || lines.front().trimmed() != kSignature) {
        return false;
    }
    int number = 0;
    QString title;
    TopicBuilder builder{QString()};
    auto close = [&] {
        if (number > 0) {
            topics[number] = {title, builder.Finish()};
        }
    };
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.startsWith(kTopicTag)) {
            close();
            const QString rest = line.mid(kTopicTag.size()).trimmed();
            const qsizetype space = rest.indexOf(QLatin1Char(' '));
            number = rest.left(space).toInt();
            title = space < 0 ? QString() : rest.mid(space + 1).trimmed();
            builder = TopicBuilder(title);
        } else if (number > 0) {
            builder.Add(line);
        }
    }
    close();
    return true;
}

const HelpTopic* HelpFile::Topic(int number) const {
    const auto found = topics.find(number);
    return found == topics.end() ? nullptr : &found->second;
}

int HelpFile::LinkTarget(const QString& anchor) {
    return anchor.startsWith(QLatin1Char('#')) ? anchor.mid(1).toInt() : 0;
}

} // namespace brinox
