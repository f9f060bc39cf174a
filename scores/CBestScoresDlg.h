// The best-scores dialog: the eight tables, one shown at a time, with a
// selector, a ten-row grid, CLEAR, Info per row, SEND (the local World
// Championship table) and UPDATE (the world Top 10). Opened at the end of a
// game it also ranks that game: its first 50 ms tick places the result,
// asks for the name, inserts and saves, marks the new row ">n<" and, for a
// World Championship result, offers to send it. Each row whose replay is
// kept (a local game's own, or one that came with the world Top 10) has a
// Replay button: it closes the dialog and leaves the replay for the caller
// to show (nothing is changed by that).
//
// Invariants: the tables live only as long as the dialog and are written back
// after every change; OK and Escape do nothing until the first tick has run,
// so a pending insertion is never skipped; every close requested by an error
// or by the insertion step goes through Close(). Whatever a table holds (the
// world Top 10 comes from the server), the dialog keeps its size: names are
// cut to their column, the number columns fit any 32-bit number, and no
// control character is shown.
#pragma once

#include "ChampionshipExchange.h"
#include "ReplayStore.h"
#include "ScoreEntry.h"
#include "ScoreTableSet.h"
#include "TableId.h"

#include <QDialog>
#include <QImage>
#include <QTimer>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QRadioButton;

namespace brinox {

class Clock;
class Random;
struct GameResult;

struct BestScoresRequest {
    std::string appDirectory;
    std::int32_t gameType = 0;
    std::int32_t gameMode = 0; // 0..3, or kTop10Mode
    bool insert = false;       // a finished game to rank: entry
    ScoreEntry entry;
    std::vector<std::uint8_t> replay{}; // of the finished game; empty: none
    bool large = false;                 // the main window is in its Big size: larger type
    QImage logo{}; // the window's logo strip; its first frame heads the dialog (null: none)
};

// The request of a finished game: its table and all its figures.
BestScoresRequest RequestForResult(const GameResult& result);

class CBestScoresDlg : public QDialog {
    Q_OBJECT

public:
    struct Services {
        Clock& clock;                             // dates of insertions, seeds of the file key
        Random& random;                           // the program's one generator
        ChampionshipExchange* exchange = nullptr; // SEND and UPDATE; none: they do nothing
    };

    CBestScoresDlg(const BestScoresRequest& request, Services services, QWidget* parent = nullptr);

    // One 50 ms tick: reports an opening failure, runs a pending insertion,
    // then lets OK work. Ignored while a tick's own message box is open.
    void Tick();
    bool Ready() const { return ready; }

    std::int32_t CurrentTable() const { return current; }
    // Makes a table current and shows it (the selector does this too).
    void ShowTable(std::int32_t table);
    const ScoreTableSet& Tables() const { return tables; }
    // The replay the player chose to watch, once the dialog has closed for
    // it; null when it closed otherwise.
    const std::vector<std::uint8_t>* ReplayToWatch() const { return watch ? &*watch : nullptr; }

    // The Info text of a row; the country line only for the world Top 10.
    // No line is wider than the widest line of drop times.
    static QString InfoText(const ScoreEntry& entry, bool withCountry);
    // A stored text as shown: each control character (line breaks, bells,
    // terminal codes) becomes U+FFFD.
    static QString ShownText(const std::string& stored);

    void accept() override;
    void reject() override;

private:
    struct Row {
        QLabel* rank;
        QLabel* name;
        QLabel* score;
        QLabel* level;
        QLabel* lines;
        QPushButton* info;
        QPushButton* replay;
    };

    void BuildLook(const QImage& logoStrip);
    QWidget* BuildHeader(const QImage& logoStrip);
    QWidget* BuildSelector();
    QWidget* BuildGrid();
    QWidget* BuildButtons();
    void PaintRow(std::int32_t r, bool marked);

    void Close();
    void RunInsertion();
    // Writes the tables; on failure shows the rows in memory, reports it and
    // returns false (the caller closes the dialog).
    bool SaveTables();
    void ClearTable();
    void ShowInfo(std::int32_t row);
    void Watch(std::int32_t row);
    void Send();
    void Update();

    std::string appDirectory;
    Services services;
    ScoreTableSet tables;
    TablesOpenResult openResult = TablesOpenResult::Ok;
    std::int32_t current = 0;
    std::int32_t gameType = 0;
    std::int32_t gameMode = 0;
    bool insertionPending = false;
    ScoreEntry entry;
    std::vector<std::uint8_t> gameReplay;
    ReplayStore replays;
    // The replays of the rows shown, read with the table.
    std::array<std::optional<std::vector<std::uint8_t>>, ScoreTable::kRows> shownReplays{};
    std::optional<std::vector<std::uint8_t>> watch;
    bool highlightOn = false;
    std::int32_t highlightRow = 0;
    std::int32_t highlightTable = 0;
    bool ready = false;
    bool inTick = false;
    bool large = false;

    QTimer timer;
    std::array<QRadioButton*, kTableCount> selectors{};
    std::array<Row, ScoreTable::kRows> rows{};
    QLabel* firstLine = nullptr;
    QLabel* secondLine = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* sendButton = nullptr;
    QPushButton* updateButton = nullptr;
    QPushButton* okButton = nullptr;
};

} // namespace brinox
