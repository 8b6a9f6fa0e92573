// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/game.h"
#include "records/records_file.h"

namespace tumblix {

// Asks the player for a name when a result enters the table.
class NameAsker {
  public:
    virtual ~NameAsker() = default;
    // The name typed, or nothing when the player closed the dialog without confirming.
    virtual std::optional<std::string> askPlayerName() = 0;
    // Today's date in the system's short date format.
    virtual std::string todayShortDate() = 0;
};

// The best-players table of the main window: loaded at every game start, shown in lstTable,
// tracked during play, and stored at game over.
class BestPlayers final : public RecordsKeeper {
  public:
    BestPlayers(Game& game, NameAsker& asker, std::filesystem::path file);

    int load() override;                            // LoadRecords, FillRecordsList; the count
    void updatePlace(std::int64_t score) override;  // UpdatePlace
    void store(
        std::int64_t score) override;  // the name asked, the result inserted, the table saved
    void clear() override;             // ClearRecords

    void LoadRecords();
    bool SaveRecords();
    void FillRecordsList();

    const std::vector<Record>& records() const { return records_; }
    bool bCancelRecord = false;

  private:
    static constexpr std::size_t kNoPlace = static_cast<std::size_t>(-1);
    std::string AskPlayerName();
    std::size_t placeFor(std::int64_t score) const;
    std::filesystem::path lockFile() const;

    Game& game_;
    NameAsker& asker_;
    std::filesystem::path file_;
    std::vector<Record> records_;
    int PlaceGained = 0;
    // The file is there but could not be read: saving would replace the table it holds.
    bool fileUnreadable_ = false;
};

}  // namespace tumblix
