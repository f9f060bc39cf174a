#include "CommandLine.h"

#include <QCommandLineParser>

namespace brinox {

namespace {

// The name the player types, whichever of the two programs runs.
const QString kProgram = QStringLiteral("brinox2000");

// Qt's window options (QGuiApplication and QApplication read them).
const char* const kQtOptionsWithValue = "platform platformpluginpath platformtheme plugin display "
                                        "geometry qwindowgeometry title qwindowtitle icon "
                                        "qwindowicon style stylesheet session";
const char* const kQtSwitches = "reverse widgetcount nograb dograb";

void AddHidden(QCommandLineParser& parser, const char* names, bool withValue) {
    for (const QString& name : QString::fromLatin1(names).split(QLatin1Char(' '))) {
        QCommandLineOption option(name, QString(), withValue ? QStringLiteral("value") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

} // namespace

CommandLine CommandLine::Parse(const QStringList& arguments) {
    QCommandLineParser parser;
    // As Qt reads its own: -platform is one option, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Brinox 2000: World Championship, a falling-block puzzle game."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption watch(
        QStringLiteral("watch"),
        QStringLiteral("Watch a replay: FILE is a .replays file sent beside a result or a "
                       "row's replay from the replays/ folder of a game directory."),
        QStringLiteral("FILE"));
    parser.addOptions({help, version, watch});
    AddHidden(parser, kQtOptionsWithValue, true);
    AddHidden(parser, kQtSwitches, false);
    // Without an application object Qt cannot name the program itself.
    const QString usage = parser.helpText().replace(QStringLiteral("<executable_name>"), kProgram);

    CommandLine line;
    QString refusal;
    if (!parser.parse(arguments)) {
        refusal = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        refusal = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments()[0]);
    }
    if (!refusal.isEmpty()) {
        line.exitStatus = kUsageStatus;
        line.text = refusal + QStringLiteral("\n\n") + usage;
    } else if (parser.isSet(help)) {
        line.exitStatus = 0;
        line.text = usage;
    } else if (parser.isSet(version)) {
        line.exitStatus = 0;
        line.text =
            kProgram + QLatin1Char(' ') + QStringLiteral(BRINOX_VERSION) + QLatin1Char('\n');
    } else if (parser.isSet(watch)) {
        line.watchFile = parser.value(watch);
    }
    return line;
}

} // namespace brinox
