#include "CBestScoresDlg.h"

#include "CNameDlg.h"
#include "TableId.h"
#include "engine/Clock.h"
#include "engine/GameState.h"
#include "engine/GameTypes.h"
#include "platform/DialogStyle.h"
#include "platform/MessageBox.h"
#include "platform/ModalRunner.h"
#include "settings/StoredText.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brinox {

namespace {

constexpr int kTickMs = 50;
// The first frame of the logo strip, drawn twice its size, pixel for pixel.
constexpr QRect kLogoFrame(0, 0, 75, 32);
constexpr int kLogoScale = 2;

// The dialog's texts (context "brinox::CBestScoresDlg"), translated where they are shown.
const char* const kNotEnteredQuestion = QT_TRANSLATE_NOOP(
    "brinox::CBestScoresDlg",
    "Unfortunately your result do not get in the table.\nDo you wish to stay here?");
const char* const kSendQuestion = QT_TRANSLATE_NOOP(
    "brinox::CBestScoresDlg", "Do you want to send your results to the World Championship?");
const char* const kClearQuestion =
    QT_TRANSLATE_NOOP("brinox::CBestScoresDlg", "Are you sure you want to clear the table?");
const char* const kSendHint = QT_TRANSLATE_NOOP(
    "brinox::CBestScoresDlg", "To send your results to the World Championship press SEND button");
const char* const kUpdateHint = QT_TRANSLATE_NOOP(
    "brinox::CBestScoresDlg", "To update World Championship Top 10 press UPDATE button");
// Room for what a real game gives: a score or a row count of ten digits (they
// grow to two thousand million), a level of two. A larger, hostile figure is
// cut with an ellipsis rather than widening the dialog beyond a small screen
// (a row count of seven digits would take eleven days of play).
constexpr int kScoreDigits = 10;
constexpr int kLevelDigits = 3;
constexpr int kLinesDigits = 6;
// A stored text is cut beyond this many characters before it is measured; a
// date, a name or a country of a real game stays well below.
constexpr int kMaxLineText = 64;
// The widest line of the Info box whose text is the game's own: no line with
// a stored text may be wider.
QString WidestInfoLine() {
    return CBestScoresDlg::tr("Maximum drop time of Quadel piece (seconds): ") +
           QStringLiteral("-2147483648");
}

QString TableText(std::string_view text) {
    return QCoreApplication::translate("TableId", text.data());
}

// Additions to the shared look: the heading, the digits and the grid.
// %1: the size of the heading, %2: the digits'.
const char* const kStyle = R"(
QLabel#heading { font-size: %1px; color: #f2c14e; font-weight: bold; letter-spacing: 2px; }
QLabel[digits="true"] { font-family: "DejaVu Sans Mono"; font-weight: bold; font-size: %2px; }
QFrame#grid { background: #182238; border: 2px solid #3c4d74; border-radius: 6px; }
QLabel[column="true"] { color: #f2c14e; font-weight: bold; border-bottom: 1px solid #3c4d74; }
QLabel#firstLine { color: #9fb3dd; }
QLabel#secondLine { color: #9fb3dd; font-style: italic; }
)";

// Digits in the bold gold of the counters; odd rows a shade lighter.
QString CellStyle(std::int32_t r, bool marked, bool digits) {
    if (marked) {
        return QStringLiteral("background: #7a5410; color: #fff3c4; font-weight: bold;");
    }
    QString style = r % 2 == 0 ? QStringLiteral("background: #1d2a45;")
                               : QStringLiteral("background: #22314f;");
    if (digits) {
        style += QStringLiteral(" color: #ffcf4a; font-weight: bold;");
    }
    return style;
}

QString Number(std::int32_t value) {
    return QString::number(value);
}

QString TwoDigits(std::int32_t value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString ShownName(const ScoreEntry& entry, bool withCountry) {
    QString name = CBestScoresDlg::ShownText(entry.name);
    if (withCountry && entry.used == 1) {
        name +=
            QStringLiteral(" (") + CBestScoresDlg::ShownText(entry.country) + QStringLiteral(")");
    }
    return name;
}

QString Cut(const QString& text) {
    return text.size() <= kMaxLineText ? text : text.left(kMaxLineText - 1) + QChar(0x2026);
}

QString ShownLine(const std::string& stored) {
    return Cut(CBestScoresDlg::ShownText(stored));
}

// "Name: " and the like with the stored text, cut to the Info box's widest line.
QString InfoLine(const QString& label, const std::string& stored) {
    const QFontMetrics metrics(QGuiApplication::font());
    const int width =
        metrics.horizontalAdvance(WidestInfoLine()) - metrics.horizontalAdvance(label);
    return label + metrics.elidedText(ShownLine(stored), Qt::ElideRight, width);
}

// The text cut to what the label shows; measured in bold, the type of a marked row.
QString FittedText(const QLabel& label, const QString& text) {
    QFont font = label.font();
    font.setBold(true);
    const int width = label.contentsRect().width();
    // A character takes a pixel at least: the cut keeps a huge text from being laid out whole.
    return QFontMetrics(font).elidedText(text.left(width), Qt::ElideRight, width);
}

// The table to show first, or -1 when no table belongs to type and mode.
std::int32_t FirstTable(std::int32_t gameType, std::int32_t gameMode) {
    if (gameMode == kTop10Mode) {
        return gameType == Quadel ? WorldTop10Table : -1;
    }
    const bool playable =
        (gameType == Quadel && gameMode >= Classic && gameMode <= WorldChampionship) ||
        (gameType == Quinel && gameMode >= Classic && gameMode <= Rising);
    return playable ? TableOf(gameType, gameMode) : -1;
}

QLabel* Cell(QWidget* parent, const QString& objectName, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setContentsMargins(8, 2, 8, 2);
    return label;
}

} // namespace

BestScoresRequest RequestForResult(const GameResult& result) {
    BestScoresRequest request;
    request.appDirectory = result.appDirectory;
    request.gameType = result.gameType;
    request.gameMode = result.gameMode;
    request.insert = result.finishedGame;
    ScoreEntry& e = request.entry;
    e.name.clear();
    static_cast<GameStatistics&>(e) = result;
    e.bombsOn = result.bombsOn;
    request.replay = result.replay;
    return request;
}

CBestScoresDlg::CBestScoresDlg(const BestScoresRequest& request, Services services, QWidget* parent)
    : QDialog(parent), appDirectory(request.appDirectory), services(services),
      gameType(request.gameType), gameMode(request.gameMode), entry(request.entry),
      gameReplay(request.replay), replays(request.appDirectory), large(request.large) {
    const std::int32_t first = FirstTable(request.gameType, request.gameMode);
    // A game without a table (only a doctored saved game can give one) is not ranked.
    current = first >= 0 ? first : QuadelClassicTable;
    openResult = tables.Open(appDirectory, services.random, services.clock.CalendarSeconds());
    insertionPending = request.insert && first >= 0 && first != WorldTop10Table;
    BuildLook(request.logo);
    ShowTable(current);
    connect(&timer, &QTimer::timeout, this, &CBestScoresDlg::Tick);
    timer.start(kTickMs);
}

// ---------------------------------------------------------------- look

void CBestScoresDlg::BuildLook(const QImage& logoStrip) {
    setObjectName(QStringLiteral("bestScoresDialog"));
    setStyleSheet(GameDialogStyle(large ? 16 : 13) +
                  QString::fromLatin1(kStyle).arg(large ? 34 : 28).arg(large ? 17 : 14));

    auto* body = new QHBoxLayout;
    body->addWidget(BuildSelector());
    body->addWidget(BuildGrid(), 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 10, 14, 12);
    column->setSpacing(10);
    column->addWidget(BuildHeader(logoStrip));
    column->addLayout(body);
    column->addWidget(BuildButtons());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* CBestScoresDlg::BuildHeader(const QImage& logoStrip) {
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    auto* logo = new QLabel(header);
    logo->setObjectName(QStringLiteral("logo"));
    if (!logoStrip.isNull()) {
        logo->setPixmap(
            QPixmap::fromImage(logoStrip.copy(kLogoFrame)
                                   .scaled(kLogoFrame.size() * kLogoScale, Qt::IgnoreAspectRatio,
                                           Qt::FastTransformation)));
    }
    auto* heading = new QLabel(tr("BEST SCORES"), header);
    heading->setObjectName(QStringLiteral("heading"));
    row->addWidget(logo);
    row->addSpacing(16);
    row->addWidget(heading);
    row->addStretch();
    return header;
}

QWidget* CBestScoresDlg::BuildSelector() {
    auto* box = new QGroupBox(tr("TABLES"), this);
    auto* list = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (std::int32_t t = 0; t < kTableCount; ++t) {
        auto* button = new QRadioButton(TableText(TableLabel(t)), box);
        button->setObjectName(QStringLiteral("selector%1").arg(t));
        group->addButton(button, t);
        list->addWidget(button);
        selectors[static_cast<std::size_t>(t)] = button;
    }
    list->addStretch();
    // On the check, not the click: a screen reader checks a radio button without one.
    connect(group, &QButtonGroup::idToggled, this, [this](int table, bool on) {
        if (on && table != current) {
            ShowTable(table);
        }
    });
    return box;
}

QWidget* CBestScoresDlg::BuildGrid() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("grid"));
    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(1);
    const QStringList heads = {tr("N"),     tr("Name"), tr("Scores"), tr("Level"),
                               tr("Lines"), QString(),  QString()};
    for (int c = 0; c < heads.size(); ++c) {
        auto* head =
            Cell(panel, QStringLiteral("head%1").arg(c), c == 1 ? Qt::AlignLeft : Qt::AlignHCenter);
        head->setText(heads[c]);
        head->setProperty("column", true);
        grid->addWidget(head, 0, c);
    }
    for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
        Row& row = rows[static_cast<std::size_t>(r)];
        row.rank = Cell(panel, QStringLiteral("rank%1").arg(r), Qt::AlignHCenter);
        row.name = Cell(panel, QStringLiteral("name%1").arg(r), Qt::AlignLeft);
        row.name->setFixedWidth(large ? 250 : 200);
        row.score = Cell(panel, QStringLiteral("score%1").arg(r), Qt::AlignRight);
        row.level = Cell(panel, QStringLiteral("level%1").arg(r), Qt::AlignRight);
        row.lines = Cell(panel, QStringLiteral("lines%1").arg(r), Qt::AlignRight);
        for (QLabel* number : {row.rank, row.score, row.level, row.lines}) {
            number->setProperty("digits", true);
        }
        for (const auto& [number, digits] : {std::pair{row.score, kScoreDigits},
                                             {row.level, kLevelDigits},
                                             {row.lines, kLinesDigits}}) {
            number->ensurePolished(); // the digits' type of the style sheet
            const QMargins margins = number->contentsMargins();
            // One pixel more: eliding measures in fractions and must keep a full row of digits.
            const int room = number->fontMetrics().horizontalAdvance(QString(digits, '8')) + 1;
            number->setProperty("room", room);
            // And one more for the label's own rounding of an elided text.
            number->setMinimumWidth(room + 1 + margins.left() + margins.right());
        }
        row.info = new QPushButton(tr("Info"), panel);
        row.info->setObjectName(QStringLiteral("info%1").arg(r));
        // Tab reaches them in reading order, between the table list and CLEAR.
        row.info->setFocusPolicy(Qt::StrongFocus);
        row.info->setAutoDefault(false);
        connect(row.info, &QPushButton::clicked, this, [this, r] { ShowInfo(r); });
        row.replay = new QPushButton(tr("Replay"), panel);
        row.replay->setObjectName(QStringLiteral("replay%1").arg(r));
        row.replay->setFocusPolicy(Qt::StrongFocus);
        row.replay->setAutoDefault(false);
        connect(row.replay, &QPushButton::clicked, this, [this, r] { Watch(r); });
        const int line = r + 1;
        grid->addWidget(row.rank, line, 0);
        grid->addWidget(row.name, line, 1);
        grid->addWidget(row.score, line, 2);
        grid->addWidget(row.level, line, 3);
        grid->addWidget(row.lines, line, 4);
        grid->addWidget(row.info, line, 5);
        grid->addWidget(row.replay, line, 6);
    }
    firstLine = new QLabel(panel);
    firstLine->setObjectName(QStringLiteral("firstLine"));
    secondLine = new QLabel(panel);
    secondLine->setObjectName(QStringLiteral("secondLine"));
    grid->setRowMinimumHeight(ScoreTable::kRows + 1, 6);
    grid->addWidget(firstLine, ScoreTable::kRows + 2, 0, 1, 7);
    grid->addWidget(secondLine, ScoreTable::kRows + 3, 0, 1, 7);
    return panel;
}

QWidget* CBestScoresDlg::BuildButtons() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const auto button = [bar, row](const QString& text, const QString& name) {
        auto* b = new QPushButton(text, bar);
        b->setObjectName(name);
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    clearButton = button(tr("CLEAR"), QStringLiteral("clearButton"));
    sendButton = button(tr("SEND"), QStringLiteral("sendButton"));
    updateButton = button(tr("UPDATE"), QStringLiteral("updateButton"));
    row->addStretch();
    okButton = button(tr("OK"), QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(clearButton, &QPushButton::clicked, this, &CBestScoresDlg::ClearTable);
    connect(sendButton, &QPushButton::clicked, this, &CBestScoresDlg::Send);
    connect(updateButton, &QPushButton::clicked, this, &CBestScoresDlg::Update);
    connect(okButton, &QPushButton::clicked, this, &CBestScoresDlg::accept);
    return bar;
}

// ---------------------------------------------------------------- showing a table

void CBestScoresDlg::ShowTable(std::int32_t table) {
    if (!IsTableId(table)) {
        return;
    }
    current = table;
    setWindowTitle(TableText(TableTitle(table)));
    selectors[static_cast<std::size_t>(table)]->setChecked(true);
    const ScoreTable& shown = tables.Table(table);
    const bool top10 = table == WorldTop10Table;
    for (std::int32_t r = 0; r < ScoreTable::kRows; ++r) {
        const ScoreEntry& e = shown.rows[static_cast<std::size_t>(r)];
        const Row& row = rows[static_cast<std::size_t>(r)];
        const bool marked = highlightOn && highlightTable == table && highlightRow == r;
        row.rank->setText(marked ? QStringLiteral(">%1<").arg(r + 1) : Number(r + 1));
        row.name->ensurePolished();
        row.name->setText(FittedText(*row.name, ShownName(e, top10)));
        for (const auto& [label, value] :
             {std::pair{row.score, e.score}, {row.level, e.level}, {row.lines, e.lines}}) {
            label->setText(label->fontMetrics().elidedText(Number(value), Qt::ElideRight,
                                                           label->property("room").toInt()));
        }
        row.info->setEnabled(e.used == 1);
        // Ten buttons of one text: each tells whose row it serves.
        row.info->setAccessibleDescription(row.name->text());
        row.replay->setAccessibleDescription(row.name->text());
        shownReplays[static_cast<std::size_t>(r)] = replays.Get(table, e);
        row.replay->setEnabled(shownReplays[static_cast<std::size_t>(r)].has_value());
        PaintRow(r, marked);
    }
    firstLine->setText(table == QuadelChampionshipTable ? tr(kSendHint)
                       : top10                          ? tr(kUpdateHint)
                                                        : TableText(TableLabel(table)));
    // Never wider than the name and number columns above it.
    const Row& first = rows[0];
    const int lineWidth = first.name->width() + first.score->minimumWidth() +
                          first.level->minimumWidth() + first.lines->minimumWidth();
    secondLine->ensurePolished();
    const QString line = tr("Last update: ") + ShownText(shown.lastUpdate);
    secondLine->setText(
        secondLine->fontMetrics().elidedText(line.left(lineWidth), Qt::ElideRight, lineWidth));
    sendButton->setEnabled(table == QuadelChampionshipTable);
    updateButton->setEnabled(top10);
}

void CBestScoresDlg::PaintRow(std::int32_t r, bool marked) {
    const Row& row = rows[static_cast<std::size_t>(r)];
    for (QLabel* label : {row.rank, row.score, row.level, row.lines}) {
        label->setStyleSheet(CellStyle(r, marked, true));
    }
    row.name->setStyleSheet(CellStyle(r, marked, false));
}

// ---------------------------------------------------------------- ticks and closing

void CBestScoresDlg::Tick() {
    if (inTick) {
        return;
    }
    inTick = true;
    if (openResult != TablesOpenResult::Ok) {
        const QString text = QCoreApplication::translate(
            "Messages", openResult == TablesOpenResult::CreateFailed ? kCannotCreateTablesMessage
                                                                     : kCannotLoadTablesMessage);
        openResult = TablesOpenResult::Ok;
        ShowWarning(this, text);
        Close();
        inTick = false;
        return;
    }
    if (insertionPending) {
        insertionPending = false;
        RunInsertion();
    }
    ready = true;
    inTick = false;
}

void CBestScoresDlg::accept() {
    if (ready) {
        timer.stop();
        QDialog::accept();
    }
}

void CBestScoresDlg::reject() {
    if (ready) {
        timer.stop();
        QDialog::reject();
    }
}

void CBestScoresDlg::Close() {
    timer.stop();
    QDialog::done(QDialog::Rejected);
}

// ---------------------------------------------------------------- actions

void CBestScoresDlg::RunInsertion() {
    // The game's own table, even if another one was chosen before this first tick.
    const std::int32_t t = TableOf(gameType, gameMode);
    ShowTable(t);
    const std::int32_t p = tables.Place(t, entry.level, entry.score, entry.lines);
    if (p == ScoreTableSet::kNotPlaced) {
        if (!AskYesNoInformation(this, tr(kNotEnteredQuestion))) {
            Close();
        }
        return;
    }
    CNameDlg nameDialog(appDirectory, this);
    if (RunModal(nameDialog) != QDialog::Accepted) {
        Close();
        return;
    }
    entry.name = nameDialog.Name();
    tables.Insert(t, p, entry, services.clock.Now());
    // Before the tables: a replay without its row is swept away later, never
    // the other way round. Not kept (full disk, damage) only means no replay.
    if (!gameReplay.empty()) {
        replays.Put(t, tables.Table(t).rows[static_cast<std::size_t>(p)], gameReplay);
    }
    highlightOn = true;
    highlightRow = p;
    highlightTable = t;
    // A failed save is reported, yet the row is shown and the result may
    // still be sent from memory; the dialog closes only after that.
    const bool saved = SaveTables();
    ShowTable(t);
    if (gameType == Quadel && gameMode == WorldChampionship && AskYesNo(this, tr(kSendQuestion))) {
        Send();
    }
    if (!saved) {
        Close();
    }
}

bool CBestScoresDlg::SaveTables() {
    if (tables.Save(appDirectory, services.random, services.clock.CalendarSeconds())) {
        // Rows dropped out or cleared take their replays with them.
        replays.Sweep(tables);
        return true;
    }
    ShowTable(current);
    ShowWarning(this, QCoreApplication::translate("Messages", kCannotUpdateTablesMessage));
    return false;
}

void CBestScoresDlg::ClearTable() {
    if (!AskYesNo(this, tr(kClearQuestion))) {
        return;
    }
    tables.Clear(current);
    if (!SaveTables()) {
        Close();
        return;
    }
    ShowTable(current);
}

void CBestScoresDlg::ShowInfo(std::int32_t row) {
    const ScoreEntry& e = tables.Table(current).rows[static_cast<std::size_t>(row)];
    ShowInformation(this, InfoText(e, current == WorldTop10Table),
                    tr("Game Info: ") + ShownLine(e.name));
}

QString CBestScoresDlg::ShownText(const std::string& stored) {
    QString text = FromStoredText(stored);
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control) {
            c = QChar::ReplacementCharacter;
        }
    }
    return text;
}

QString CBestScoresDlg::InfoText(const ScoreEntry& e, bool withCountry) {
    const std::int32_t seconds = e.gameSeconds;
    QString text = InfoLine(tr("Name: "), e.name) + QLatin1Char('\n');
    if (withCountry) {
        text += InfoLine(tr("Country: "), e.country) + QLatin1Char('\n');
    }
    text += tr("Time of Game: ") + TwoDigits(seconds / 3600) + QLatin1Char(':') +
            TwoDigits(seconds % 3600 / 60) + QLatin1Char(':') + TwoDigits(seconds % 60) +
            QStringLiteral("\n\n");
    text += InfoLine(tr("Started: "), e.startTime) + QLatin1Char('\n');
    text += tr("Scores: ") + Number(e.score) + QLatin1Char('\n');
    text += tr("Level: ") + Number(e.level) + QLatin1Char('\n');
    text += tr("Lines: ") + Number(e.lines) + QLatin1Char('\n');
    text += tr("Amount of Quadel pieces: ") + Number(e.pieces) + QLatin1Char('\n');
    text += tr("Bombs in the game: ") + (e.bombsOn == 1 ? tr("YES") : tr("NO")) + QLatin1Char('\n');
    text += tr("Amount of Bombs: ") + Number(e.bombs) + QLatin1Char('\n');
    text += tr("Mimimum drop time of Quadel piece (seconds): ") + Number(e.minDropSeconds) +
            QLatin1Char('\n');
    text += tr("Maximum drop time of Quadel piece (seconds): ") + Number(e.maxDropSeconds) +
            QLatin1Char('\n');
    text += tr("Average drop time of Quadel piece (seconds): ") + Number(e.avgDropSeconds) +
            QLatin1Char('\n');
    text += InfoLine(tr("Finished: "), e.endTime);
    return text;
}

void CBestScoresDlg::Watch(std::int32_t row) {
    if (!ready || !shownReplays[static_cast<std::size_t>(row)]) {
        return;
    }
    watch = shownReplays[static_cast<std::size_t>(row)];
    accept();
}

void CBestScoresDlg::Send() {
    if (services.exchange != nullptr) {
        services.exchange->Send(this, appDirectory, tables.Table(QuadelChampionshipTable));
    }
}

void CBestScoresDlg::Update() {
    if (services.exchange == nullptr ||
        !services.exchange->Update(this, appDirectory, tables.Table(WorldTop10Table))) {
        return;
    }
    if (!SaveTables()) {
        Close();
        return;
    }
    ShowTable(WorldTop10Table);
}

} // namespace brinox
