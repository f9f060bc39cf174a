// What the SEND and UPDATE buttons of the best-scores dialog do. The dialog
// only calls this; the championship exchange (send dialog, upload, download)
// implements it. Both calls block until their dialogs have closed.
#pragma once

#include "ScoreTable.h"

#include <string>

class QWidget;

namespace brinox {

class ChampionshipExchange {
public:
    virtual ~ChampionshipExchange() = default;
    // SEND: asks for the sender's particulars and uploads `table` (the
    // Quadel World Championship table as it stands in memory).
    virtual void Send(QWidget* parent, const std::string& appDirectory,
                      const ScoreTable& table) = 0;
    // UPDATE: downloads the world Top 10. True when `table` (the Top 10
    // table) now holds the downloaded rows and date, and the replays that
    // play them are kept for them (ReplayStore); false leaves it as it was.
    virtual bool Update(QWidget* parent, const std::string& appDirectory, ScoreTable& table) = 0;
};

} // namespace brinox
